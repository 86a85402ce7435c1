// The status line and the time line as the panel's two timers keep them.
#include "support/PlayerFixture.h"

#include <limits>

using namespace kyvra;

class StatusDisplay : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        makePlayer();
    }
    QString timeLine() { return remote().time->Caption(); }
    void play(const QString& name, double seconds = 60) {
        engine->setFileName(makeMediaFile(name, {seconds, 25, 352, 240, {}}));
        PlayMedia(*player, 0);
    }
    // A hover hint, then the pointer back on the skin: Timer2 puts the state back.
    QString hintThenRestore() {
        remote().status->setCaption(QStringLiteral("Exit.."));
        remote().Timer2->setEnabled(true);
        remote().Timer2->tick();
        return status();
    }
    void keepTime() { remote().tmrKeepTime->tick(); }
};

TEST_F(StatusDisplay, Timer2RestoresThePlayerStateOnceAndOnlyTitlesThatFit) {
    remote().repeat->setVisible(true);
    remote().status->setCaption(QStringLiteral("Exit.."));
    for (int i = 0; i < 40 && remote().Timer2->Enabled(); ++i)
        QTest::qWait(50);
    EXPECT_EQ(status(), "No media loaded");
    EXPECT_TRUE(remote().repeat->isHidden()) << "no media: no media buttons";

    play("movies/abc.avi");
    EXPECT_EQ(hintThenRestore(), "abc.avi Playing");
    EXPECT_FALSE(remote().Timer2->Enabled());
    PauseMedia(*player);
    EXPECT_EQ(hintThenRestore(), "Playback paused");
    StopMedia(*player);
    EXPECT_EQ(hintThenRestore(), "Playback stopped");

    play("twelve_c.avi");
    EXPECT_EQ(hintThenRestore(), "twelve_c.avi Playing");
    play("thirteen1.avi");
    EXPECT_EQ(hintThenRestore(), "Exit..") << "21 characters are left to the scrolling";

    engine->addMedia(QStringLiteral("abc.avi"), {});
    engine->setFileName(QStringLiteral("abc.avi"));
    engine->play();
    EXPECT_EQ(hintThenRestore(), " Playing") << "a path without separator has no title";
}

// Without a sound device the first tick tells so, once per run.
TEST_F(StatusDisplay, ALongTitleScrollsOneCharacterPerTickWhilePlaying) {
    player->options.scrollTitle = true;
    engine->silent = true;
    play("a_rather_long_name.avi");
    keepTime();
    EXPECT_EQ(status(), "No sound device: playing silently");
    QStringList shown;
    for (int tick = 0; tick < 32; ++tick) {
        keepTime();
        shown << status();
    }
    EXPECT_EQ(shown[0], "a_rather_long_name.a");
    EXPECT_EQ(shown[1], "_rather_long_name.av");
    EXPECT_EQ(shown[29], "g");
    EXPECT_EQ(shown[30], "") << "one blank tick after the last character";
    EXPECT_EQ(shown[31], "a_rather_long_name.a");

    StopMedia(*player);
    keepTime();
    EXPECT_EQ(status(), "Playback stopped");
    play("twelve_c.avi");
    remote().status->setCaption(QStringLiteral("Seek forward"));
    keepTime();
    EXPECT_EQ(status(), "Seek forward")
        << "a title that just fits does not scroll, nor is silence told again";
}

TEST_F(StatusDisplay, EachTickKeepsWindowOrderEngineFlagSubtitleWindowTimeAndSeekBar) {
    player->windows.onTop = player->options.useSubs = engine->displayFullScreen = true;
    keepTime();
    EXPECT_TRUE(player->frmSub().isVisible()) << "with no media too";
    EXPECT_FALSE(player->windows.onTopApplied);
    EXPECT_TRUE(engine->displayFullScreen);

    play("clip.avi");
    StopMedia(*player);
    player->windows.dialogOpen = true;
    keepTime();
    EXPECT_FALSE(player->windows.onTopApplied) << "not while a dialog is open";
    EXPECT_FALSE(engine->displayFullScreen) << "whatever the play state";
    player->windows.dialogOpen = false;
    player->windows.inTray = true;
    keepTime();
    EXPECT_FALSE(player->windows.onTopApplied) << "not while in the tray";
    player->windows.inTray = false;
    keepTime();
    EXPECT_TRUE(player->windows.onTopApplied && staysOnTop(player->video()) &&
                staysOnTop(remote()));
    EXPECT_FALSE(staysOnTop(player->frmSub())) << "it must stay behind the full-screen picture";

    player->options.useSubs = false;
    keepTime();
    EXPECT_FALSE(player->frmSub().isVisible());

    play("hour.avi", 3600.4);
    engine->advance(59.5);
    keepTime();
    EXPECT_EQ(timeLine(), "0:01:00 / 1:00:00");
    EXPECT_EQ(remote().progress->value(), 60);
    EXPECT_EQ(remote().progress->max(), 3600);

    play("night.avi", 40000);
    engine->advance(36000);
    keepTime();
    keepTime(); // value goes before max, so the bar follows a new max from the next tick
    EXPECT_EQ(timeLine(), "10:00:00 / 11:06:40");
    const SimpleProgress& bar = *remote().progress;
    EXPECT_EQ(bar.max(), std::numeric_limits<qint16>::max());
    EXPECT_NEAR(double(bar.value()) / bar.max(), 0.9, 1e-4) << "scaled, in proportion";

    player->options.scrollTitle = true;
    play("stream_without_end.avi", std::numeric_limits<double>::infinity());
    keepTime();
    EXPECT_EQ(timeLine(), "10:00:00 / 11:06:40") << "an endless duration skips the line";
    EXPECT_EQ(status(), "stream_without_end.a") << "but not the rest of the tick";
}

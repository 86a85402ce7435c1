// Loading and the transport commands, as the panel's status line and the engine show them.
#include "player/Transport.h"

#include "support/PlayerFixture.h"

using namespace kyvra;

class Transport : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        clip = makeMediaFile(QStringLiteral("movies/clip.avi"), {60, 25, 352, 240, {}});
    }
    QString clip;
};

// The play states a pause, a resume and a stop leave are the key commands' table's.
TEST_F(Transport, LoadingWaitsSeeksKeepClearOfTheEndsStopKeepsTheFileAndARefusalUnloadsIt) {
    makePlayer();
    LoadMedia(*player, clip, QString());
    EXPECT_EQ(engine->fileName(), clip);
    EXPECT_EQ(status(), "clip.avi loaded..");
    EXPECT_FALSE(player->video().isVisible());
    PauseMedia(*player); // loaded but stopped: nothing happens
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped) << "no autostart, no pause";

    PlayMedia(*player, 0);
    EXPECT_EQ(status(), "clip.avi Playing");
    const struct {
        double from;
        void (*seek)(Player&);
        double to;
        const char* status;
    } cases[] = {
        {10.0, SeekBack, 10.0, "Seeking"},
        {10.5, SeekBack, 5.5, "Seeking"},
        {49.9, SeekForward, 54.9, "Seeking.."},
        {50.0, SeekForward, 50.0, "Seeking.."},
    };
    for (const auto& c : cases) {
        engine->setCurrentPosition(c.from);
        c.seek(*player);
        EXPECT_DOUBLE_EQ(engine->currentPosition(), c.to) << "from " << c.from;
        EXPECT_EQ(status(), c.status);
    }
    EXPECT_EQ(player->status.text, "clip.avi Playing") << "seeking writes only the label";

    PauseMedia(*player);
    EXPECT_EQ(status(), "Playback paused");
    EXPECT_FALSE(player->remote().tmrKeepTime->Enabled());
    EnterFullScreen(*player);
    PauseMedia(*player);
    EXPECT_TRUE(player->remote().tmrKeepTime->Enabled());
    EXPECT_TRUE(player->windows.fullScreen) << "resuming keeps full screen";

    player->remote().playbackInfo->setCaption("352 x 240 AVI [352x240]");
    StopMedia(*player);
    EXPECT_EQ(status(), "Playback stopped");
    EXPECT_TRUE(player->remote().playbackInfo->Caption().isEmpty());
    EXPECT_EQ(engine->fileName(), clip) << "stopping keeps the file";

    // What the engine refuses, or what has no length, is reported and leaves no media loaded.
    const QString broken = makeMediaFile("broken.avi", {10, 25, 352, 240, "no decoder"});
    const QString empty = makeMediaFile("empty.avi", {0, 25, 352, 240, {}});
    LoadMedia(*player, broken, QString());
    LoadMedia(*player, empty, QString());
    const QStringList texts = prompts->messageTexts();
    const QString refusal =
        QStringLiteral("An error occured while attempting to play file \"%1\".");
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(refusal.arg(broken)));
    EXPECT_TRUE(texts[0].endsWith("(Error code: #-13/Error description: no decoder)"));
    EXPECT_TRUE(texts[1].startsWith(refusal.arg(empty)));
    EXPECT_TRUE(engine->fileName().isEmpty()) << "the report leaves no media loaded";
    EXPECT_EQ(status(), "No media loaded");
}

TEST_F(Transport, AutostartPlaysAtOnceWithTheRememberedRepeatAndAMissingFileChangesNothing) {
    storeSettings({{"Autostart", "yes"}, {"RememberPlayer", "yes"}, {"RMP_Repeat", "yes"}});
    makePlayer();
    LoadMedia(*player, clip, QString());
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(player->panelState.repeat);
    EXPECT_FALSE(player->remote().repeat_over->isHidden());

    LoadMedia(*player, dir.filePath("gone.avi"), QString());
    EXPECT_EQ(engine->fileName(), clip);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_EQ(status(), "No media loaded..");
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text,
              QStringLiteral("File \"%1\" doesnt exist!").arg(dir.filePath("gone.avi")));
    EXPECT_EQ(prompts->shown[0].icon, MsgIcon::Critical);
}

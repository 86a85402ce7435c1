// Full screen: covering the screen and coming back, the panel that hides while the pointer
// rests, and closing the window.
#define QTEST_QPA_MOUSE_HANDLING
#include "player/FullScreen.h"

#include "app/Startup.h"
#include "support/PlayerFixture.h"

#include <QGuiApplication>
#include <QScreen>

using namespace kyvra;

namespace {

class FullScreenTest : public test::PlayerFixture {
protected:
    // A clip open in a placed window, the panel and the subtitles shown beside it.
    Player& playerWithClip() {
        const QString clip = makeMediaFile(QStringLiteral("clip.avi"));
        Player& player = makePlayer();
        engine->setFileName(clip);
        QCoreApplication::processEvents(); // the new picture sizes the window
        engine->play();
        VideoWindow& video = player.video();
        video.Move(1500, 1200, 9000, 6000);
        video.videobox().setBounds(0, 105, 9000, 5400);
        video.show();
        player.remote().Move(3000, 9000, 4125, 1680);
        player.remote().show();
        player.frmSub().show();
        return player;
    }
};

} // namespace

// The window starts 3000 pixels to the right, on a second monitor, beyond what 16 bits of twips
// can hold at 96 DPI; a place beyond even a 32-bit record stays windowed.
TEST_F(FullScreenTest, CoversTheScreenComesBackToWhereItWasAndStopsPlaybackWhenClosed) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    RemoteForm& remote = player.remote();
    video.setLeft(3.0e10f);
    ToggleFullScreen(player);
    EXPECT_FALSE(player.windows.fullScreen);
    EXPECT_FLOAT_EQ(video.Width(), 9000);
    EXPECT_TRUE(remote.isVisible());

    video.setLeft(45000);
    player.windows.onTop = true;
    const auto showingAsWindowed = [&](bool windowed) {
        EXPECT_EQ(video.windowState().testFlag(Qt::WindowFullScreen), !windowed);
        EXPECT_EQ(remote.isVisible(), windowed);
        EXPECT_EQ(staysOnTop(remote), windowed);
        EXPECT_EQ(video.sizer->isVisible(), windowed);
        for (Image* piece : video.topedge)
            EXPECT_EQ(piece->isVisible(), windowed);
        EXPECT_FALSE(player.frmSub().isVisible()) << "the panel's tick brings the subtitles back";
        QTest::mousePress(&video, Qt::LeftButton, {}, {300, 200});
        emit engine->mouseDown(1, 0, 300, 200);
        EXPECT_EQ(QWidget::mouseGrabber() == &video, windowed) << "a press drags only a window";
        QTest::mouseRelease(&video, Qt::LeftButton, {}, {300, 200});
    };
    ToggleFullScreen(player);

    ASSERT_TRUE(player.windows.fullScreen);
    EXPECT_EQ(bounds(video), QRectF(0, 0, 1280 * 15, 1024 * 15 + 160));
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 0, 1280 * 15, 1024 * 15));
    EXPECT_TRUE(staysOnTop(video)) << "top-most because always-on-top is on";
    showingAsWindowed(false);

    remote.setLeft(0); // shown and moved while in full screen
    ToggleFullScreen(player);
    QCoreApplication::processEvents(); // the window system's own restoring comes first
    EXPECT_FALSE(player.windows.fullScreen);
    EXPECT_EQ(bounds(video), QRectF(45000, 1200, 9000, 6000));
    EXPECT_EQ(video.geometry(), QRect(3000, 80, 600, 400));
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 105, 9000, 5400));
    EXPECT_EQ(QPointF(remote.Left(), remote.Top()), QPointF(3000, 9000));
    showingAsWindowed(true);

    player.windows.onTop = false;
    ToggleFullScreen(player);
    EXPECT_TRUE(player.windows.fullScreen);
    EXPECT_FALSE(staysOnTop(video)) << "only always-on-top makes it top-most";

    // Closed in full screen, it stops playback and brings the panel back; the program goes on.
    ASSERT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(video.close());
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_FALSE(player.windows.fullScreen);
    EXPECT_TRUE(remote.isVisible());
    EXPECT_FALSE(player.ended());
}

// By the switch without the splash (the settings then load a second time) or by "AZ" after it.
TEST_F(FullScreenTest, StartedInFullScreenItCoversTheScreenAndComesBackToTheStoredPlace) {
    const QString clip = makeMediaFile(QStringLiteral("clip.avi"));
    storeSettings(
        {{"Windowpos", "yes"}, {"KVR_VL", "6000"}, {"KVR_VT", "4500"}, {"Autostart", "yes"}});
    for (const bool withSplash : {false, true}) {
        storeSettings({{"Splash", withSplash ? "yes" : "no"}, {"AZ", withSplash ? "yes" : "no"}});
        makePlayer((withSplash ? "\"" : "-fullscreen \"") + clip + "\"");
        ASSERT_TRUE(Main(*player));
        if (withSplash)
            splash()->tmrHide->tick();
        ASSERT_TRUE(player->windows.fullScreen) << withSplash;
        LeaveFullScreen(*player);
        EXPECT_EQ(QPointF(player->video().Left(), player->video().Top()), QPointF(6000, 4500));
    }
}

TEST_F(FullScreenTest, TheIdleTimerHidesThePanelUntilThePointerReallyMovesOrAnOpenFails) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    RemoteForm& remote = player.remote();
    EnterFullScreen(player);
    remote.show();

    video.Timer1->tick();
    EXPECT_FALSE(remote.isVisible());
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(QCursor::pos(), desktop.bottomRight()) << "parked in the corner";

    emit engine->mouseMove(0, 0, 100, 50); // the parking's own move
    EXPECT_FALSE(remote.isVisible());
    emit engine->mouseMove(0, 0, 100, 50);
    EXPECT_FALSE(remote.isVisible()) << "the same place is no movement";

    video.Timer1->setEnabled(false);
    emit engine->mouseMove(0, 0, 101, 50);
    EXPECT_TRUE(remote.isVisible());
    EXPECT_TRUE(video.Timer1->isCounting()) << "the idle period counts from the move";

    // Minimised to the tray, the panel is left alone.
    video.Timer1->tick();
    player.windows.inTray = true;
    emit engine->mouseMove(0, 0, 300, 300);
    emit engine->mouseMove(0, 0, 310, 300);
    EXPECT_FALSE(remote.isVisible());

    // Outside full screen the timer does nothing.
    player.windows.inTray = false;
    LeaveFullScreen(player);
    video.Timer1->tick();
    EXPECT_TRUE(remote.isVisible());

    // Whatever way a file fails, the report leaves full screen first, so the panel is on screen
    // behind the message and the idle timer no longer hides it.
    const QString damaged =
        makeMediaFile(QStringLiteral("damaged.avi"), {.failure = QStringLiteral("bad header")});
    bool panelBehindMessage = false;
    prompts->onMessage = [&] { panelBehindMessage = remote.isVisible(); };
    const std::function<void()> ways[] = {
        [&] {
            prompts->fileAnswers.enqueue(damaged);
            remote.load_Click();
        },
        [&] { LoadMedia(player, damaged, QString()); }, // a drop or the Video CD command
    };
    for (const auto& openDamaged : ways) {
        engine->setFileName(makeMediaFile(QStringLiteral("clip.avi")));
        EnterFullScreen(player);
        video.Timer1->tick();
        ASSERT_FALSE(remote.isVisible());
        panelBehindMessage = false;

        openDamaged();
        EXPECT_FALSE(player.windows.fullScreen);
        EXPECT_TRUE(panelBehindMessage);
    }
}

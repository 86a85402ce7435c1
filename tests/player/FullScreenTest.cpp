// Full screen: covering the screen and coming back, the panel that hides while the pointer
// rests, and closing the window.
#include "video/FullScreen.h"

#include "panel/RemoteForm.h"
#include "subtitles/SubtitleForm.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

#include <QGuiApplication>
#include <QScreen>

using namespace kyvra;

namespace {

QRectF bounds(const TwipsGeometry& g) {
    return {g.left(), g.top(), g.width(), g.height()};
}

QRectF bounds(const Form& form) {
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

bool topMost(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

class FullScreenTest : public test::PlayerFixture {
protected:
    // A clip open in a placed window, the panel and the subtitles shown beside it.
    Player& playerWithClip() {
        const QString clip = makeMediaFile(QStringLiteral("clip.avi"));
        Player& player = makePlayer();
        engine->setFileName(clip);
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

TEST_F(FullScreenTest, CoversTheScreenAndComesBackToWhereItWas) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    RemoteForm& remote = player.remote();
    player.state.OnTop = true;
    ToggleFullScreen(player);

    ASSERT_TRUE(player.state.IsFullScreen);
    EXPECT_EQ(bounds(video), QRectF(0, 0, 1280 * 15, 1024 * 15 + 160));
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 0, 1280 * 15, 1024 * 15));
    EXPECT_TRUE(video.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(topMost(video)) << "top-most because always-on-top is on";
    EXPECT_FALSE(remote.isVisible());
    EXPECT_FALSE(topMost(remote));
    EXPECT_FALSE(player.frmSub().isVisible());
    EXPECT_FALSE(video.sizer->isVisible());
    for (Image* piece : video.topedge)
        EXPECT_FALSE(piece->isVisible());

    ToggleFullScreen(player);
    QCoreApplication::processEvents(); // the window system's own restoring comes first
    EXPECT_FALSE(player.state.IsFullScreen);
    EXPECT_EQ(bounds(video), QRectF(1500, 1200, 9000, 6000));
    EXPECT_EQ(video.geometry(), QRect(100, 80, 600, 400));
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 105, 9000, 5400));
    EXPECT_FALSE(video.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(remote.isVisible());
    EXPECT_TRUE(topMost(remote));
    EXPECT_EQ(QPointF(remote.Left(), remote.Top()), QPointF(3000, 9000));
    EXPECT_TRUE(video.sizer->isVisible());
    for (Image* piece : video.topedge)
        EXPECT_TRUE(piece->isVisible());
    EXPECT_FALSE(player.frmSub().isVisible()) << "the panel's tick brings the subtitles back";
}

TEST_F(FullScreenTest, StaysWindowedWithoutMediaOrWithAPlaceBeyondTheRecord) {
    Player& player = makePlayer();
    ToggleFullScreen(player);
    EXPECT_FALSE(player.state.IsFullScreen);
    EXPECT_FALSE(player.video().isVisible());

    Player& withClip = playerWithClip();
    VideoWindow& video = withClip.video();
    video.setLeft(3.0e10f); // beyond any 32-bit record
    ToggleFullScreen(withClip);
    EXPECT_FALSE(withClip.state.IsFullScreen);
    EXPECT_FLOAT_EQ(video.Width(), 9000);
    EXPECT_FALSE(video.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(withClip.remote().isVisible());

    // Always-on-top off: full screen does not make the window top-most.
    video.setLeft(1500);
    ToggleFullScreen(withClip);
    EXPECT_TRUE(withClip.state.IsFullScreen);
    EXPECT_FALSE(topMost(video));
}

TEST_F(FullScreenTest, TheIdleTimerHidesThePanelUntilThePointerReallyMoves) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    RemoteForm& remote = player.remote();
    EnterFullScreen(player);
    remote.show();

    video.Timer1->tick();
    EXPECT_FALSE(remote.isVisible());
    EXPECT_TRUE(video.IgnoreNextPointerMove);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(QCursor::pos(), desktop.bottomRight()) << "parked in the corner";

    emit engine->mouseMove(0, 0, 100, 50); // the parking's own move
    EXPECT_FALSE(remote.isVisible());
    EXPECT_FALSE(video.IgnoreNextPointerMove);
    emit engine->mouseMove(0, 0, 100, 50);
    EXPECT_FALSE(remote.isVisible()) << "the same place is no movement";
    EXPECT_EQ(player.state.LastPointerX, 1500);
    EXPECT_EQ(player.state.LastPointerY, 750);

    video.Timer1->setEnabled(false);
    emit engine->mouseMove(0, 0, 101, 50);
    EXPECT_TRUE(remote.isVisible());
    EXPECT_TRUE(video.Timer1->isCounting()) << "the idle period counts from the move";

    // Minimised to the tray, the panel is left alone.
    video.Timer1->tick();
    player.state.InTray = true;
    emit engine->mouseMove(0, 0, 300, 300);
    emit engine->mouseMove(0, 0, 310, 300);
    EXPECT_FALSE(remote.isVisible());

    // Outside full screen the timer does nothing.
    player.state.InTray = false;
    LeaveFullScreen(player);
    video.IgnoreNextPointerMove = false;
    video.Timer1->tick();
    EXPECT_TRUE(remote.isVisible());
    EXPECT_FALSE(video.IgnoreNextPointerMove);
}

TEST_F(FullScreenTest, ClosingTheWindowStopsPlaybackAndBringsThePanelBack) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    EnterFullScreen(player);
    ASSERT_EQ(engine->playState(), MediaEngine::Playing);

    EXPECT_TRUE(video.close());
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_FALSE(video.isVisible());
    EXPECT_FALSE(player.state.IsFullScreen);
    EXPECT_TRUE(player.remote().isVisible());
    EXPECT_EQ(&player.video(), &video) << "the window lives on for the next file";
    EXPECT_FALSE(player.ended());
}

// A window on a second monitor lies beyond what 16 bits of twips can hold at 96 DPI.
TEST_F(FullScreenTest, AWindowFarFromTheOriginStillGoesFullScreenAndBack) {
    Player& player = playerWithClip();
    VideoWindow& video = player.video();
    video.Move(45000, 1200, 9000, 6000); // 3000 pixels to the right
    ToggleFullScreen(player);
    ASSERT_TRUE(player.state.IsFullScreen);
    ToggleFullScreen(player);
    QCoreApplication::processEvents();
    EXPECT_EQ(bounds(video), QRectF(45000, 1200, 9000, 6000));
}

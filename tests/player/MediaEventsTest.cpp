// The engine's media events: a new picture, the end of the media, an engine error.
#include "support/PlayerFixture.h"

#include <QGuiApplication>
#include <QScreen>

using namespace kyvra;

using MediaEvents = test::PlayerFixture;

TEST_F(MediaEvents, ANewPictureSizesTheWindowWithinItsScreenAndResetsThePanel) {
    makePlayer();
    RemoteForm& panel = remote();
    panel.progress->setValue(50);
    openInEngine("clip.avi", {125, 25, 640, 480, {}});
    VideoWindow& video = player->video();
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 105, 640 * 15, 480 * 15));
    EXPECT_EQ(QSizeF(video.Width(), video.Height()), QSizeF(640 * 15, 480 * 15 + 105));
    EXPECT_EQ(panel.progress->max(), 125);
    EXPECT_EQ(panel.progress->value(), 0);
    EXPECT_EQ(panel.time->Caption(), "00:00:00/00:00:00");
    EXPECT_EQ(panel.playbackInfo->Caption(), "640 x 480 AVI [640x480]");
    EXPECT_EQ(panel.cboZoomOpt->itemText(10), "640x480") << "the picture's own size is offered";
    EXPECT_EQ(panel.cboZoomOpt->count(), 13);

    // A huge picture opens wholly on its screen, its shape kept, wherever the window stood.
    for (const QPoint from : {QPoint(900, 500), QPoint(-50, -300)}) {
        video.Move(from.x() * 15, from.y() * 15, 720 * 15, 480 * 15);
        openInEngine("uhd.avi", {10, 25, 3840, 2160, {}});
        EXPECT_TRUE(
            QGuiApplication::primaryScreen()->availableGeometry().contains(video.geometry()))
            << from.y();
    }
    EXPECT_NEAR(bounds(video.videobox()).width() / bounds(video.videobox()).height(), 16.0 / 9.0,
                0.01);

    // A picture too small to grab opens at the least usable size, its shape kept.
    openInEngine("tiny.avi", {10, 25, 2, 2, {}});
    EXPECT_EQ(bounds(video.videobox()).size(), QSizeF(160 * 15, 160 * 15));

    // In full screen the picture's window waits for the way back.
    EnterFullScreen(*player);
    openInEngine("small.avi", {});
    EXPECT_TRUE(player->windows.fullScreen);
    LeaveFullScreen(*player);
    EXPECT_EQ(QSizeF(video.Width(), video.Height()), QSizeF(352 * 15, 240 * 15 + 105));

    // With subtitles the picture gets 30 twips more, two pixels at 96 DPI.
    player->options.useSubs = true;
    openInEngine("subs.avi", {});
    EXPECT_EQ(bounds(video.videobox()), QRectF(0, 105, 352 * 15, 240 * 15 + 30));
    EXPECT_EQ(player->panelState.zoomText, "352x242");

    // Sound only: no picture to size, so the window stays as it was.
    const QSizeF before(video.Width(), video.Height());
    openInEngine("sound.avi", {10, 25, 0, 0, {}});
    EXPECT_EQ(QSizeF(video.Width(), video.Height()), before);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
}

TEST_F(MediaEvents, TheEndRewindsOrLoopsAndAnErrorHidesThePicture) {
    openInEngine("clip.avi", {10, 25, 352, 240, {}});
    PlayMedia(*player, 0);
    engine->advance(11);
    QCoreApplication::processEvents();
    EXPECT_EQ(status(), "Playback stopped");
    EXPECT_EQ(engine->currentPosition(), 0);
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);

    // Repeat loops again and again, full screen kept.
    PlayMedia(*player, 0);
    remote().EnableRepeat();
    EnterFullScreen(*player);
    for (int loop = 0; loop < 3; ++loop) {
        engine->advance(11);
        QCoreApplication::processEvents();
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
        EXPECT_EQ(engine->currentPosition(), 0);
    }
    EXPECT_TRUE(player->windows.fullScreen);

    player->video().setVideoboxVisible(true);
    emit engine->error();
    EXPECT_FALSE(player->video().videoboxVisible());
}

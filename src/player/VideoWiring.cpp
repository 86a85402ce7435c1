#include "player/VideoWiring.h"

#include "core/AppError.h"
#include "playback/MediaEngine.h"
#include "player/DroppedMedia.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/KeyCommands.h"
#include "player/MediaEvents.h"
#include "player/Player.h"
#include "player/Subtitles.h"
#include "player/VideoFit.h"
#include "player/VideoPointer.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

// Closing the window stops playback; the program goes on with its panel, so a full screen is
// left first, which brings the panel back.
void closeVideoWindow(Player& player, bool& cancel) {
    if (HandleCloseAsAltF4(player)) {
        cancel = true;
        return;
    }
    if (player.windows.fullScreen)
        LeaveFullScreen(player);
    try {
        player.engine().stop();
    } catch (const AppError&) {
        // The window closes whether or not the engine could stop.
    }
}

} // namespace

void WireVideoWindow(Player& player) {
    VideoWindow& video = player.video();
    VideoWindowEvents& events = video.events;
    events.keyDown = [&player](int keyCode, int shift) { HandleKey(player, keyCode, shift); };
    events.filesDropped = [&player](const QStringList& files) { LoadDroppedMedia(player, files); };
    events.queryUnload = [&player](bool& cancel) { closeVideoWindow(player, cancel); };
    events.mouseDown = [&player](int b, int s, float x, float y) {
        VideoMouseDown(player, b, s, x, y);
    };
    events.mouseMove = [&player](int b, int s, float x, float y) {
        VideoMouseMove(player, b, s, x, y);
    };
    events.pictureMouseDown = [&player](int b, int s, float x, float y) {
        PictureMouseDown(player, b, s, x, y);
    };
    events.pictureMouseMove = [&player](int b, int s, float x, float y) {
        PictureMouseMove(player, b, s, x, y);
    };
    events.fitPicture = [&player] { FitVideoToWindow(player, 0, 0); };
    events.resizeFailed = [&player](const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured when resizing the window. Resetting window to "
                                   "default size."));
    };
    video.Timer1->onTimer = [&player] { VideoIdle(player); };

    // The window is the connections' context: they end with it, before the engine goes.
    MediaEngine& engine = player.engine();
    QObject::connect(&engine, &MediaEngine::newStream, &video,
                     [&player] { ShowNewStream(player); });
    QObject::connect(&engine, &MediaEngine::endOfStream, &video,
                     [&player](int result) { FinishStream(player, result); });
    QObject::connect(&engine, &MediaEngine::streamSubtitle, &video,
                     [&player](const QString& text) { ShowStreamSubtitle(player, text); });
    QObject::connect(
        &engine, &MediaEngine::playStateChange, &video,
        [&player](int oldState, int newState) { FollowPlayState(player, oldState, newState); });
}

} // namespace kyvra

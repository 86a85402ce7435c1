// The engine's media events on the video window: a new picture sizes the window and resets the
// panel's time line, the end of the media repeats or rewinds, an engine error hides the picture.
#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/VideoFit.h"
#include "player/Zoom.h"
#include "subtitles/Subtitles.h"
#include "video/VideoWindow.h"
#include "video/WindowBounds.h"

#include <algorithm>
#include <limits>

namespace kyvra {

namespace {

// The seek bar counts in 16-bit units; longer media is shown on a reduced scale by the panel's
// tick, so its maximum is the end of that range rather than an overflow that would close the file.
qint16 seekBarMaximum(double duration) {
    constexpr double largest = std::numeric_limits<qint16>::max();
    return toInt16(std::clamp(duration, 0.0, largest));
}

// In full screen the picture's window is what leaving full screen will bring back.
void fitAfterFullScreen(Player& player, qint32 width, qint32 height) {
    VideoWindow& video = player.video();
    const qint32 edgeHeight = toInt32(video.topedge[0]->Height());
    std::array<qint32, 8>& saved = video.SavedVideoGeometry;
    saved[2] = width;
    saved[3] = height + edgeHeight;
    saved[4] = edgeHeight;
    saved[5] = 0;
    saved[6] = width;
    saved[7] = height;
    player.state.ZoomText = pixelSizeText(player.screen(), float(width), float(height));
}

} // namespace

void VideoWindow::wireMediaEvents() {
    MediaEngine& engine = player_.engine();
    connect(&engine, &MediaEngine::newStream, this, [this] { videobox_NewStream(); });
    connect(&engine, &MediaEngine::endOfStream, this,
            [this](int result) { videobox_EndOfStream(result); });
    connect(&engine, &MediaEngine::playStateChange, this,
            [this](int oldState, int newState) { videobox_PlayStateChange(oldState, newState); });
    connect(&engine, &MediaEngine::error, this, [this] { videobox_Error(); });
}

// The window takes the picture's size plus its top edge, within the screen it stands on. A
// picture too large for that screen is scaled down whole, so it opens entirely visible.
void VideoWindow::videobox_NewStream() {
    MediaEngine& engine = player_.engine();
    try {
        RemoteForm& remote = player_.remote();
        remote.progress->setMax(seekBarMaximum(engine.duration()));
        remote.time->setCaption(QStringLiteral("00:00:00/00:00:00"));
        remote.progress->setValue(0);

        const Screen& screen = player_.screen();
        double height = engine.imageSourceHeight() * double(screen.twipsPerPixelY());
        if (player_.state.UseSubs)
            height += 30;
        const double width = engine.imageSourceWidth() * double(screen.twipsPerPixelX());
        player_.state.ZoomText.clear();
        // Without a picture (sound only) the window keeps the size it has.
        if (width >= 1 && height >= 1) {
            const QSizeF picture = fitPictureWithin(QSizeF(width, height), topedge[0]->Height(),
                                                    availableArea(*this).size());
            const qint32 pictureWidth = toInt32(picture.width());
            const qint32 pictureHeight = toInt32(picture.height());
            if (player_.state.IsFullScreen) {
                fitAfterFullScreen(player_, pictureWidth, pictureHeight);
            } else {
                FitVideoToWindow(player_, pictureWidth, pictureHeight);
                setWidth(videobox_->left() + videobox_->width());
                setHeight(videobox_->height() + videobox_->top());
                keepOnScreen(*this);
            }
        } else {
            FitVideoToWindow(player_, 0, 0);
        }
        BuildZoomList(player_);
        UpdatePlaybackInfo(player_);
    } catch (const AppError& error) {
        ReportError(player_, error,
                    QStringLiteral("An error occured when attempting to initialize stream(\"%1\")")
                        .arg(engine.fileName()));
    }
}

// The end-of-media steps: loop from the start, or stop at the start.
void VideoWindow::videobox_EndOfStream(int) {
    SharedState& state = player_.state;
    MediaEngine& engine = player_.engine();
    try {
        if (!state.RepeatOn) {
            state.StatusText = QStringLiteral("Playback stopped");
            ShowStatus(player_, state.StatusText);
            CloseSubtitleFile(player_);
            SeekTo(player_, 0);
        } else {
            // Resuming from the start rather than starting afresh keeps a looping clip in full
            // screen; a fresh start would drop out of it at every turn.
            SeekTo(player_, 0);
            PlayMedia(player_, 1);
        }
    } catch (const AppError& error) {
        ReportError(player_, error,
                    QStringLiteral("An error occured while attempting to play file \"%1\".")
                        .arg(engine.fileName()));
    }
}

void VideoWindow::videobox_PlayStateChange(int, int) {
    try {
        player_.remote().progress->setMax(seekBarMaximum(player_.engine().duration()));
    } catch (const AppError&) {
        // The next state change or the panel's tick sets the bar again.
    }
}

void VideoWindow::videobox_Error() {
    setVideoboxVisible(false);
}

} // namespace kyvra

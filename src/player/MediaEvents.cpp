// The engine's media events on the video window: a new picture sizes the window and resets the
// panel's time line, the end of the media repeats or rewinds.
#include "player/MediaEvents.h"

#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "player/StatusDisplay.h"
#include "player/Subtitles.h"
#include "player/Transport.h"
#include "player/VideoFit.h"
#include "player/Zoom.h"
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
    player.panelState.zoomText = pixelSizeText(player.screen(), float(width), float(height));
}

// A smaller picture would open a window too small to find, grab and move.
constexpr QSize kLeastPicture(160, 120);

} // namespace

// The window takes the picture's size plus its top edge, within the screen it stands on. A
// picture too large for that screen is scaled down whole, so it opens entirely visible.
void ShowNewStream(Player& player) {
    MediaEngine& engine = player.engine();
    VideoWindow& video = player.video();
    try {
        RemoteForm& remote = player.remote();
        remote.progress->setMax(seekBarMaximum(engine.duration()));
        remote.time->setCaption(QStringLiteral("00:00:00/00:00:00"));
        remote.progress->setValue(0);

        const Screen& screen = player.screen();
        const double tx = screen.twipsPerPixelX();
        const double ty = screen.twipsPerPixelY();
        QSizeF shown =
            growPictureTo(QSizeF(engine.imageSourceWidth() * tx, engine.imageSourceHeight() * ty),
                          QSizeF(kLeastPicture.width() * tx, kLeastPicture.height() * ty));
        if (player.options.useSubs)
            shown.rheight() += 30;
        player.panelState.zoomText.clear();
        // Without a picture (sound only) the window keeps the size it has.
        if (shown.width() >= 1 && shown.height() >= 1) {
            const QSizeF picture =
                fitPictureWithin(shown, video.topedge[0]->Height(), availableArea(video).size());
            const qint32 pictureWidth = toInt32(picture.width());
            const qint32 pictureHeight = toInt32(picture.height());
            if (player.windows.fullScreen) {
                fitAfterFullScreen(player, pictureWidth, pictureHeight);
            } else {
                FitVideoToWindow(player, pictureWidth, pictureHeight);
                const TwipsGeometry& box = video.videobox();
                video.setWidth(box.left() + box.width());
                video.setHeight(box.height() + box.top());
                keepOnScreen(video);
            }
        } else {
            FitVideoToWindow(player, 0, 0);
        }
        BuildZoomList(player);
        UpdatePlaybackInfo(player);
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured when attempting to initialize stream(\"%1\")")
                        .arg(engine.fileName()));
    }
}

void FinishStream(Player& player, int) {
    MediaEngine& engine = player.engine();
    try {
        if (!player.panelState.repeat) {
            SetStatus(player, QStringLiteral("Playback stopped"));
            CloseSubtitleFile(player);
            SeekTo(player, 0);
        } else {
            // Resuming from the start rather than starting afresh keeps a looping clip in full
            // screen; a fresh start would drop out of it at every turn.
            SeekTo(player, 0);
            PlayMedia(player, 1);
        }
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured while attempting to play file \"%1\".")
                        .arg(engine.fileName()));
    }
}

void FollowPlayState(Player& player, int, int) {
    try {
        player.remote().progress->setMax(seekBarMaximum(player.engine().duration()));
    } catch (const AppError&) {
        // The next state change or the panel's tick sets the bar again.
    }
}

} // namespace kyvra

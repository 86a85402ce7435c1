#include "player/FullScreen.h"

#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"
#include "video/WindowBounds.h"

namespace kyvra {

namespace {

void showTopEdge(VideoWindow& video, bool show) {
    for (Image* piece : video.topedge)
        piece->setVisible(show);
}

// The windowed place is kept in whole twips; one beyond that record leaves it as it was, as
// such a place never goes full screen either.
void recordWindowedPlace(qint32& saved, float twips) {
    if (const std::optional<qint32> place = int32Within(twips))
        saved = *place;
}

} // namespace

void ToggleFullScreen(Player& player) {
    if (player.engine().fileName().isEmpty())
        return;
    if (!player.windows.fullScreen)
        EnterFullScreen(player);
    else
        LeaveFullScreen(player);
}

// The geometry to come back to is recorded as whole twips. A 16-bit record would already
// overflow 2184 pixels from the origin at 96 DPI, on any second monitor, so it is 32-bit; it is
// converted before anything changes, so a window beyond even that range stays windowed rather
// than going full screen with no way back to its place.
void EnterFullScreen(Player& player) {
    VideoWindow& video = player.video();
    const TwipsGeometry& box = video.videobox();
    const float places[] = {video.Top(), video.Left(), video.Width(), video.Height(),
                            box.top(),   box.left(),   box.width(),   box.height()};
    std::array<qint32, 8> saved;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const std::optional<qint32> place = int32Within(places[i]);
        if (!place)
            return;
        saved[i] = *place;
    }

    RemoteForm& remote = player.remote();
    SubtitleForm& subs = player.frmSub();
    player.windows.fullScreen = true;
    SetOnTop(player, video, true);
    video.SavedVideoGeometry = saved;
    video.SavedRemotePosition = QPointF(remote.Left(), remote.Top());
    video.sizer->setVisible(false);
    video.setVisible(true);
    SetOnTop(player, remote, false);
    remote.setVisible(false);
    if (subs.isVisible())
        SetOnTop(player, subs, false);
    if (subs.isVisible())
        subs.setVisible(false);
    player.engine().setDisplayFullScreen(true);
    // Measured before the move, which takes the window off its monitor for a moment.
    const QRectF screen = screenArea(video);
    video.Move(float(screen.left()), float(screen.top()), float(screen.width()),
               float(screen.height()) + 160);
    video.videobox().setBounds(0, 0, float(screen.width()), float(screen.height()));
    // Asked last, as moving the window would drop it: the window manager's own full-screen
    // state is what covers panels and docks; without a manager the geometry above serves.
    video.setWindowState(video.windowState() | Qt::WindowFullScreen);
    showTopEdge(video, false);
    video.Show();
}

void LeaveFullScreen(Player& player) {
    VideoWindow& video = player.video();
    RemoteForm& remote = player.remote();
    player.windows.fullScreen = false;
    video.setWindowState(video.windowState() & ~Qt::WindowFullScreen);
    const std::array<qint32, 8>& saved = video.SavedVideoGeometry;
    video.Move(saved[1], saved[0], saved[2], saved[3]);
    video.videobox().setBounds(saved[5], saved[4], saved[6], saved[7]);
    showTopEdge(video, true);
    remote.setVisible(true);
    video.setVisible(true);
    video.sizer->setVisible(true);
    if (player.windows.onTop)
        SetOnTop(player, remote, true);
    remote.setLeft(float(video.SavedRemotePosition.x()));
    remote.setTop(float(video.SavedRemotePosition.y()));
}

namespace {

// While full screen is on, a new place is where leaving it returns to (the saved geometry's
// entry `saved`); otherwise the window moves there at once.
void placeVideoWindow(Player& player, std::size_t saved, void (TwipsPlacement::*move)(float),
                      float twips) {
    VideoWindow& video = player.video();
    if (player.windows.fullScreen)
        recordWindowedPlace(video.SavedVideoGeometry[saved], twips);
    else
        (static_cast<TwipsPlacement&>(video).*move)(twips);
}

} // namespace

void SetVideoWindowLeft(Player& player, float left) {
    placeVideoWindow(player, 1, &TwipsPlacement::setLeft, left);
}

void SetVideoWindowTop(Player& player, float top) {
    placeVideoWindow(player, 0, &TwipsPlacement::setTop, top);
}

} // namespace kyvra

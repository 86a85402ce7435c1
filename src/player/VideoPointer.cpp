// The video window and its picture under the mouse: dragging, the context menu, and in full
// screen the panel that hides when the pointer rests and returns when it moves.
#include "player/VideoPointer.h"

#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "platform/WindowSystem.h"
#include "player/Dialogs.h"
#include "player/Player.h"
#include "player/TrayIcon.h"
#include "video/VideoWindow.h"
#include "video/WindowBounds.h"

#include <algorithm>

namespace kyvra {

namespace {

// The pointer's row is kept as a 16-bit number; a row beyond that range (a very tall desktop)
// counts as the range's end rather than failing the move.
qint16 pointerRow(float y) {
    return qint16(std::clamp(roundHalfEven(y), -32768.0, 32767.0));
}

} // namespace

void VideoMouseDown(Player& player, int button, int, float, float) {
    if (button == 2)
        player.dialogs().popupContextMenu();
    else if (!player.windows.fullScreen)
        dragWindow(player.video());
}

void VideoMouseMove(Player& player, int, int, float x, float y) {
    if (!player.windows.fullScreen || player.windows.inTray)
        return;
    VideoWindow& video = player.video();
    if (x != player.lastPointer.x || y != float(player.lastPointer.y)) {
        if (video.IgnoreNextPointerMove) {
            video.IgnoreNextPointerMove = false;
            return;
        }
        BringBackPanel(player);
    }
    video.restartIdleTimer();
    player.lastPointer.y = pointerRow(y);
    player.lastPointer.x = x;
}

void VideoIdle(Player& player) {
    if (!player.windows.fullScreen)
        return;
    RemoteForm& remote = player.remote();
    remote.setVisible(false);
    remote.hide();
    // The pointer goes to the far corner of the monitor the picture fills, out of the way.
    const QRect screen = screenPixels(player.video());
    setCursorPos(screen.right(), screen.bottom());
    player.video().IgnoreNextPointerMove = true;
}

// A right press opens the menu in full screen too; a left press drags only a window.
void PictureMouseDown(Player& player, int button, int, float, float) {
    if (button == 1 && !player.windows.fullScreen)
        dragWindow(player.video());
    if (button == 2)
        player.dialogs().popupContextMenu();
}

void PictureMouseMove(Player& player, int button, int shift, float x, float y) {
    if (y != float(player.lastPointer.y) || x != player.lastPointer.x)
        VideoMouseMove(player, button, shift, x, y);
    player.lastPointer.y = pointerRow(y);
    player.lastPointer.x = x;
    player.video().restartIdleTimer();
}

} // namespace kyvra

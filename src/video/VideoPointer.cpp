// The video window and its picture under the mouse: dragging, the context menu, and in full
// screen the panel that hides when the pointer rests and returns when it moves.
#include "core/Rounding.h"
#include "dialogs/MenuForm.h"
#include "panel/RemoteForm.h"
#include "platform/WindowSystem.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"
#include "video/VideoWindow.h"

#include <algorithm>
#include <limits>

namespace kyvra {

namespace {

// The pointer's row is kept as a 16-bit number; a row beyond that range (a very tall desktop)
// counts as the range's end rather than failing the move.
qint16 pointerRow(float y) {
    return qint16(std::clamp(roundHalfEven(y), -32768.0, 32767.0));
}

// Twips far beyond the screen are what parks the pointer in its corner; the window system
// clamps them, they only have to be whole numbers.
int wholeNumber(float twips) {
    return int(std::clamp(roundHalfEven(twips), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

} // namespace

void VideoWindow::wireEngine() {
    MediaEngine& engine = player_.engine();
    const float tx = player_.screen().twipsPerPixelX();
    const float ty = player_.screen().twipsPerPixelY();
    connect(&engine, &MediaEngine::mouseDown, this,
            [this, tx, ty](int button, int shift, double x, double y) {
                videobox_MouseDown(button, shift, float(x) * tx, float(y) * ty);
            });
    connect(&engine, &MediaEngine::mouseMove, this,
            [this, tx, ty](int button, int shift, double x, double y) {
                videobox_MouseMove(button, shift, float(x) * tx, float(y) * ty);
            });
    connect(&engine, &MediaEngine::focusReceived, this, [this] { videobox_GotFocus(); });
}

void VideoWindow::Form_MouseDown(int button, int, float, float) {
    if (button == 2)
        player_.menu().popupRemoteMenu();
    else if (!player_.state.IsFullScreen)
        dragWindow(*this);
}

void VideoWindow::Form_MouseMove(int, int, float x, float y) {
    SharedState& state = player_.state;
    if (!state.IsFullScreen || state.InTray)
        return;
    if (x != state.LastPointerX || y != float(state.LastPointerY)) {
        if (IgnoreNextPointerMove) {
            IgnoreNextPointerMove = false;
            return;
        }
        player_.menu().showremote_Click();
    }
    restartIdleTimer();
    state.LastPointerY = pointerRow(y);
    state.LastPointerX = x;
}

void VideoWindow::Timer1_Timer() {
    if (!player_.state.IsFullScreen)
        return;
    RemoteForm& remote = player_.remote();
    remote.setVisible(false);
    remote.hide();
    const Screen& screen = player_.screen();
    setCursorPos(wholeNumber(screen.width()), wholeNumber(screen.height()));
    IgnoreNextPointerMove = true;
}

// A right press opens the menu in full screen too; a left press drags only a window.
void VideoWindow::videobox_MouseDown(int button, int, float, float) {
    if (button == 1 && !player_.state.IsFullScreen)
        dragWindow(*this);
    if (button == 2)
        player_.menu().popupRemoteMenu();
}

void VideoWindow::videobox_MouseMove(int button, int shift, float x, float y) {
    SharedState& state = player_.state;
    if (y != float(state.LastPointerY) || x != state.LastPointerX)
        Form_MouseMove(button, shift, x, y);
    state.LastPointerY = pointerRow(y);
    state.LastPointerX = x;
    restartIdleTimer();
}

// Keys pressed over the picture belong to the window.
void VideoWindow::videobox_GotFocus() {
    setFocus();
}

void VideoWindow::restartIdleTimer() {
    Timer1->setEnabled(false);
    Timer1->setEnabled(true);
}

} // namespace kyvra

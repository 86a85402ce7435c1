// The panel's keys, and its own presses, moves and drops outside its buttons.
#include "panel/RemoteForm.h"
#include "platform/WindowSystem.h"

namespace kyvra {

void RemoteForm::Form_KeyDown(int keyCode, int shift) {
    events.key(keyCode, shift);
}

void RemoteForm::background_MouseDown(int button) {
    if (button == 2)
        events.contextMenu();
    else
        dragWindow(*this);
}

void RemoteForm::Form_MouseDown(int button, int, float, float) {
    background_MouseDown(button);
}

void RemoteForm::Form_OLEDragDrop(const QStringList& files, int, int, float, float) {
    events.drop(files);
}

// The bare panel, outside every control, and the tray icon's messages: the status line comes back
// after a hint, but lit twins stay lit until the pointer crosses the skin.
void RemoteForm::Form_MouseMove(int, int, float x, float) {
    Timer2->setEnabled(true);
    restartIdleTimer();
    events.trayMessage(x);
}

} // namespace kyvra

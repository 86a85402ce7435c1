#include "panel/RemoteForm.h"
#include "player/KeyCommands.h"

namespace kyvra {

void RemoteForm::Form_KeyDown(int keyCode, int shift) {
    HandleKey(player_, keyCode, shift);
}

} // namespace kyvra

#include "app/KeyCommands.h"
#include "panel/RemoteForm.h"

namespace kyvra {

void RemoteForm::Form_KeyDown(int keyCode, int shift) {
    HandleKey(player_, keyCode, shift);
}

} // namespace kyvra

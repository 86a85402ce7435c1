#include "dialogs/DialogLaunchers.h"

#include "dialogs/AboutForm.h"
#include "dialogs/OptionsForm.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"

namespace kyvra {

namespace {

// A dialog that is open is brought forward rather than opened a second time; one that was just
// closed is on its way out and does not count.
template <class Dialog> bool raiseOpen(const QPointer<Dialog>& dialog) {
    if (!dialog || !dialog->isVisible())
        return false;
    dialog->Show();
    return true;
}

} // namespace

void ShowOptionsDialog(Player& player) {
    player.state.DialogOpen = true;
    if (raiseOpen(player.frmOptions))
        return;
    auto* dialog = new OptionsForm(player);
    player.frmOptions = dialog;
    dialog->Form_Load();
    dialog->Show();
}

void ShowAboutBox(Player& player) {
    if (!raiseOpen(player.about)) {
        auto* box = new AboutForm(player);
        player.about = box;
        box->Form_Load();
    }
    player.state.DialogOpen = true;
    SetOnTop(player, *player.about, true);
}

} // namespace kyvra

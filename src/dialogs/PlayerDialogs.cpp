#include "dialogs/PlayerDialogs.h"

#include "dialogs/AboutForm.h"
#include "dialogs/MenuForm.h"
#include "dialogs/OptionsForm.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"

#include <QCursor>

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

PlayerDialogs::PlayerDialogs(Player& player) : player_(player) {}

PlayerDialogs::~PlayerDialogs() {
    delete options.data();
    delete about.data();
}

MenuForm& PlayerDialogs::menu() {
    if (!menu_)
        menu_ = std::make_unique<MenuForm>(player_);
    return *menu_;
}

void PlayerDialogs::enablePlaybackCommands(bool enabled) {
    menu().enablePlaybackCommands(enabled);
}

void PlayerDialogs::popupContextMenu() {
    menu().RemoteMenu->popup(QCursor::pos());
}

void PlayerDialogs::popupTrayMenu() {
    menu().systray->popup(QCursor::pos());
}

void PlayerDialogs::showOptions() {
    player_.windows.dialogOpen = true;
    if (raiseOpen(options))
        return;
    auto* dialog = new OptionsForm(player_);
    options = dialog;
    dialog->Form_Load();
    dialog->Show();
}

void PlayerDialogs::showAbout() {
    if (!raiseOpen(about)) {
        auto* box = new AboutForm(player_);
        about = box;
        box->Form_Load();
    }
    player_.windows.dialogOpen = true;
    SetOnTop(player_, *about, true);
}

void PlayerDialogs::hideAll() {
    for (QWidget* dialog : std::initializer_list<QWidget*>{options.data(), about.data()}) {
        if (dialog)
            dialog->hide();
    }
}

std::unique_ptr<Dialogs> MakePlayerDialogs(Player& player) {
    return std::make_unique<PlayerDialogs>(player);
}

} // namespace kyvra

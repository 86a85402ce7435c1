#pragma once

#include "player/Dialogs.h"

#include <QPointer>
#include <memory>

namespace kyvra {

class AboutForm;
class MenuForm;
class OptionsForm;
class Player;

// The menus and the modeless dialogs of one player. The menu is made on first use; the options
// dialog and the about box exist only while they are open.
class PlayerDialogs : public Dialogs {
public:
    explicit PlayerDialogs(Player& player);
    ~PlayerDialogs() override;

    MenuForm& menu();
    QPointer<OptionsForm> options;
    QPointer<AboutForm> about;

    void enablePlaybackCommands(bool enabled) override;
    void popupContextMenu() override;
    void popupTrayMenu() override;
    void showOptions() override;
    void showAbout() override;
    void hideAll() override;

private:
    Player& player_;
    std::unique_ptr<MenuForm> menu_;
};

// What a player is built with.
std::unique_ptr<Dialogs> MakePlayerDialogs(Player& player);

} // namespace kyvra

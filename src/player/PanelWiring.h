#pragma once

#include "panel/PanelCommand.h"

namespace kyvra {

class Player;

// Hands the panel's commands, timers, seek bar, zoom list, keys, drops and ways out to the
// player. Called once, as the player is built.
void WirePanel(Player& player);

// What the panel's hooks run, each on the whole player.
void RunPanelCommand(Player& player, PanelCommand command); // PanelCommands.cpp
void OpenFromPanel(Player& player);                         // OpenCommand.cpp
void LoadPanel(Player& player);                             // PanelLoad.cpp
void QuitFromPanel(Player& player);
void ClosePanel(Player& player, bool& cancel);
void RestoreStatus(Player& player); // StatusDisplay.cpp
void KeepTime(Player& player);

} // namespace kyvra

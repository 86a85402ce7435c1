#pragma once

namespace kyvra {

class Player;

// The dialogs the popup menu opens that are built elsewhere.
void ShowOptionsDialog(Player& player);
void ShowAboutBox(Player& player);

} // namespace kyvra

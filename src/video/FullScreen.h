#pragma once

namespace kyvra {

class Player;

// Switches full screen on or off; does nothing without media.
void ToggleFullScreen(Player& player);
void EnterFullScreen(Player& player);
void LeaveFullScreen(Player& player);

} // namespace kyvra

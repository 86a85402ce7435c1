#pragma once

namespace kyvra {

class Player;

// Runs the player command of a key pressed in the panel, the video window or the subtitle
// window. keyCode is a Windows virtual-key code; shift is 1 Shift, 2 Ctrl, 4 Alt.
void HandleKey(Player& player, int keyCode, int shift);

// A window manager that keeps Alt+F4 for itself closes the focused window instead. A close
// request that arrives while Alt is held is taken as that key (the player's quit); true when it
// was, and the window should stay.
bool HandleCloseAsAltF4(Player& player);

} // namespace kyvra

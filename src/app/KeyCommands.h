#pragma once

namespace kyvra {

class Player;

// Runs the player command of a key pressed in the panel, the video window or the subtitle
// window. keyCode is a Windows virtual-key code; shift is 1 Shift, 2 Ctrl, 4 Alt.
void HandleKey(Player& player, int keyCode, int shift);

} // namespace kyvra

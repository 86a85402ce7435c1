#pragma once

namespace kyvra {

class Player;

// Hands the video window's keys, drops, pointer, idle time, fitting and closing to the player,
// and the engine's media events to what the player does with them. Called once, as the player
// is built.
void WireVideoWindow(Player& player);

} // namespace kyvra

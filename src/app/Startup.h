#pragma once

#include <QString>

namespace kyvra {

class Player;

// Start-up: the splash unless "Splash" is "no", then StartPlayer. Returns false when start-up
// refused to run (large fonts, another instance) and the program should end.
bool Main(Player& player);

// Loads the settings, registers file types, creates the windows and shows the panel. Every step
// is guarded: a failing step shows "Load Error." and start-up goes on.
void StartPlayer(Player& player);

} // namespace kyvra

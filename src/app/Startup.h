#pragma once

#include <QString>

namespace kyvra {

class Player;

// Start-up: the splash unless "Splash" is "no", then StartPlayer. Returns false when start-up
// refused to run (large fonts, another instance) and the program should end.
bool Main(Player& player);

// True when the desktop's logical DPI is the normal 96.
bool CheckScreenFonts(Player& player);

// Loads the settings, registers file types, creates the windows and shows the panel. Every step
// is guarded: a failing step shows "Load Error." and start-up goes on.
void StartPlayer(Player& player);

// The stored "Ontop" setting, applied as the panel loads.
void ApplyOnTopSetting(Player& player);

} // namespace kyvra

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

// Takes an option such as "-fullscreen" out of a command line where it stands as a word of its
// own outside double quotes, and trims what is left; true when it was there. A file name that
// merely contains the option's text is left as it is.
bool TakeOption(QString& commandLine, const QString& option);

} // namespace kyvra

#pragma once

namespace kyvra {

class Player;

// Sets the open options dialog's controls from the in-memory settings.
void ShowSettings(Player& player);

// Stores the settings. From the open options dialog, unless the player is quitting: its boxes and
// command become the in-memory settings and are written, and the always-on-top choice is put in
// force. Always: the announcement values and "AZ" are written and the on-top order re-applied.
void SaveSettings(Player& player);

} // namespace kyvra

#pragma once

namespace kyvra {

class OptionsForm;
class Player;

// Sets the dialog's controls from the in-memory settings.
void ShowSettings(const Player& player, OptionsForm& dialog);
// The dialog's boxes and command become the in-memory settings and are stored with the rest,
// and its always-on-top choice is put in force.
void SaveSettings(Player& player, const OptionsForm& dialog);

} // namespace kyvra

#pragma once

#include <QString>

namespace kyvra {

class Player;

// Writes the panel's status line for now: a passing message ("Seeking") or a slice of a
// scrolling title.
void ShowStatus(Player& player, const QString& text);
// The text the status line stands at and comes back to after a passing message; shown at once.
void SetStatus(Player& player, const QString& text);

} // namespace kyvra

#pragma once

#include <QString>

namespace kyvra {

class Player;

// The player as the desktop sees it: what media controls show and what decides whether the
// screensaver is held off. Read fresh from the engine; the position is left out because it
// changes all the time and the desktop extrapolates it.
struct DesktopView {
    enum class Status { Stopped, Paused, Playing };

    Status status = Status::Stopped;
    // "" without media.
    QString fileName;
    double durationSeconds = 0;
    // Hundredths of a decibel, as the engine keeps it.
    int volume = 0;
    double rate = 1;
    bool hasPicture = false;

    bool loaded() const { return !fileName.isEmpty(); }
    bool operator==(const DesktopView&) const = default;
};

// The engine's failures read as "nothing to tell": the desktop never sees an error.
DesktopView ReadDesktopView(Player& player);
// Seconds from the start; 0 without media.
double ReadPosition(Player& player);

} // namespace kyvra

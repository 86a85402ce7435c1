#pragma once

#include "core/AppError.h"
#include "player/ErrorReport.h"

namespace kyvra {

class Player;

// Runs what a handler does on the engine; an engine error is reported with the handler's
// sentence (and the player goes back to having no media) instead of ending the program.
template <class Step> void TrappedStep(Player& player, const QString& failure, Step&& step) {
    try {
        step();
    } catch (const AppError& error) {
        ReportError(player, error, failure);
    }
}

// What the transport handlers were doing, for the report.
inline const QString kPlayFailure = QStringLiteral("An error occured while starting playback.");
inline const QString kPauseFailure = QStringLiteral("An error occured while pausing playback.");
inline const QString kStopFailure = QStringLiteral("An error occured while stopping playback.");
inline const QString kSeekFailure = QStringLiteral("An error occured while seeking.");

} // namespace kyvra

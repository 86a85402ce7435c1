// The rate prompt of the popup menu: asks until it gets a rate the engine takes.
#include "core/AppError.h"
#include "dialogs/MenuForm.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace kyvra {

namespace {

// The answer as a rate in the user's own notation, when it is a number in (0, 2].
std::optional<double> acceptedRate(const QString& answer) {
    bool isNumber = false;
    const double rate = QLocale().toDouble(answer.trimmed(), &isNumber);
    if (!isNumber || !std::isfinite(rate) || rate <= 0 || rate > 2)
        return std::nullopt;
    return rate;
}

} // namespace

// 0 itself is refused although the prompt offers "between 0 and 2". When the engine refuses even
// the normal rate (nothing to play), asking again could never succeed, so the command just ends.
void MenuForm::ratecontrol_Click() {
    MediaEngine& engine = player_.engine();
    for (;;) {
        const QString answer = player_.prompts().inputBox(
            QStringLiteral("Enter a Rate Adjustment between 0 and 2. (1 is normal):"),
            QStringLiteral("Rate Control"), QString());
        try {
            if (answer.isEmpty()) {
                engine.setRate(1.0);
                return;
            }
            if (const std::optional<double> rate = acceptedRate(answer)) {
                engine.setRate(*rate);
                return;
            }
        } catch (const AppError&) {
            if (answer.isEmpty())
                return;
        }
    }
}

} // namespace kyvra

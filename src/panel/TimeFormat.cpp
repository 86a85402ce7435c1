#include "panel/TimeFormat.h"

#include <cstdlib>

namespace kyvra {

QString FormatTime(qint32 seconds) {
    // Widened first: the magnitude of the smallest 32-bit value does not fit 32 bits.
    const qint64 magnitude = std::llabs(qint64(seconds));
    const QChar zero = QLatin1Char('0');
    const QString text = QStringLiteral("%1:%2:%3")
                             .arg(magnitude / 3600)
                             .arg(magnitude / 60 % 60, 2, 10, zero)
                             .arg(magnitude % 60, 2, 10, zero);
    return seconds < 0 ? QLatin1Char('-') + text : text;
}

} // namespace kyvra

#pragma once

#include <QString>

namespace kyvra {

inline const QString kProductTitle = QStringLiteral("Kyvra Player");
inline const QString kWebSite = QStringLiteral("https://kyvraplayer.org");
// Who to tell when start-up keeps failing.
inline const QString kContactSentence =
    QStringLiteral("If this keeps happening, please tell us at https://kyvraplayer.org/support.");

} // namespace kyvra

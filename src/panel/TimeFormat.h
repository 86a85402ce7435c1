#pragma once

#include <QString>

namespace kyvra {

// Whole seconds as "h:mm:ss". Hours are not padded and take as many digits as they need, so
// media beyond the 16-bit range of seconds still reads correctly; a negative time gets a
// leading minus sign in front of its magnitude.
QString FormatTime(qint32 seconds);

} // namespace kyvra

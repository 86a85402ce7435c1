#pragma once

#include <QStringList>

namespace kyvra {

// Where a Video CD's MPEG track may be under the folder the user named, in the order to try.
// The folder text is used as typed. Each place comes as written on the disc and then in lower
// case, the way the system shows a plain ISO 9660 disc.
QStringList VcdTrackLocations(const QString& drive);

} // namespace kyvra

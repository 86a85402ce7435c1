#pragma once

#include <QString>
#include <optional>

namespace kyvra {

// What stands in the way of the X display the player is about to open, as one line for the
// user; nothing when the display answers or when Qt is told to use another platform. Qt itself
// ends the process with an abort and a core dump when it cannot connect.
std::optional<QString> UnreachableDisplay();

} // namespace kyvra

#pragma once

#include <Qt>

namespace kyvra {

// Mouse button codes of the handlers: 1 left, 2 right, 4 middle (a sum when several are down).
int mouseButtonCode(Qt::MouseButtons buttons);

// Shift state of the handlers: 1 Shift, 2 Ctrl, 4 Alt.
int shiftStateCode(Qt::KeyboardModifiers modifiers);

// The Windows virtual-key code the keyboard handlers expect for a Qt key (US layout; a shifted
// symbol maps to its unshifted key, so '{' is the '[' key, 219). 0 for keys without one.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace kyvra

#pragma once

#include <Qt>

namespace kyvra {

// Mouse button codes of the handlers: 1 left, 2 right, 4 middle (a sum when several are down).
int mouseButtonCode(Qt::MouseButtons buttons);

// Shift state of the handlers: 1 Shift, 2 Ctrl, 4 Alt.
int shiftStateCode(Qt::KeyboardModifiers modifiers);

// The Windows virtual-key code the keyboard handlers expect for a Qt key (a shifted symbol maps
// to its unshifted key, so '{' is the '[' key, 219). 0 for keys without one. Letters, digits and
// brackets go by what the key types, on any layout; the X11 key code (0 when unknown) stands in
// where that is not a Latin letter or a digit: the digit row gives its digit (AZERTY's "&" key
// is 1), and a letter of another script gives the Latin letter at its place.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   quint32 nativeScanCode = 0);

} // namespace kyvra

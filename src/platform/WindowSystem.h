#pragma once

class QWidget;

namespace kyvra {

// Keeps a window above all others or returns it to the normal order. A hidden window stays
// hidden and keeps the order for when it is next shown.
void setTopMost(QWidget& window, bool topMost);

// Lets the user drag a window by a press anywhere on it: the window manager's own move when there
// is one, else the window follows the pointer until the button is released.
void dragWindow(QWidget& window);

// Puts the mouse pointer at a screen position in pixels, kept on the screen.
void setCursorPos(int x, int y);

} // namespace kyvra

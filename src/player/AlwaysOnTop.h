#pragma once

class QWidget;

namespace kyvra {

class Player;

// Makes a window top-most when asked to and the always-on-top mode is on, else returns it to the
// normal order; a hidden window is not shown by it. Records the outcome in OnTopApplied.
void SetOnTop(Player& player, QWidget& window, bool enable);

} // namespace kyvra

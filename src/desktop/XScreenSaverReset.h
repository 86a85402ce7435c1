#pragma once

namespace kyvra {

// Restarts the X server's screensaver and power-saving countdown, as input would. False when the
// program does not run on X11.
bool ResetXScreenSaver();

} // namespace kyvra

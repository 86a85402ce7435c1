#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

namespace kyvra {

std::optional<QString> UnreachableDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return std::nullopt;
    // Left to choose, Qt may take a Wayland session's own display instead.
    if (platform.isEmpty() && display.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    const QString advice = QStringLiteral(
        "start the player from a desktop session, or set DISPLAY to a running X server");
    if (display.isEmpty())
        return QStringLiteral("no display to show the player on: DISPLAY is not set; %1.")
            .arg(advice);
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool refused = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (!refused)
        return std::nullopt;
    return QStringLiteral(
               "cannot open the X display \"%1\" (DISPLAY): no X server answers there, or "
               "it refuses this user; %2.")
        .arg(QString::fromLocal8Bit(display), advice);
}

} // namespace kyvra

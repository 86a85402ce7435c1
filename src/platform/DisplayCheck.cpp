#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

namespace kyvra {

namespace {

bool answers(const QByteArray& display) {
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool refused = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return !refused;
}

} // namespace

DisplayChoice chooseDisplay(const QByteArray& asked, const QByteArray& x11, bool x11Answers,
                            const QByteArray& wayland) {
    const bool leftToChoose = asked.isEmpty();
    if (!leftToChoose && !asked.startsWith("xcb"))
        return {};
    // Without an X server the session's own display still shows every window.
    if (leftToChoose && (x11.isEmpty() || !x11Answers) && !wayland.isEmpty())
        return {QByteArray("wayland"), std::nullopt};
    const QString advice = QStringLiteral(
        "start the player from a desktop session, or set DISPLAY to a running X server");
    if (x11.isEmpty())
        return {{},
                QStringLiteral("no display to show the player on: DISPLAY is not set; %1.")
                    .arg(advice)};
    if (!x11Answers)
        return {{},
                QStringLiteral("cannot open the X display \"%1\" (DISPLAY): no X server answers "
                               "there, or it refuses this user; %2.")
                    .arg(QString::fromLocal8Bit(x11), advice)};
    return {leftToChoose ? QByteArray("xcb") : QByteArray(), std::nullopt};
}

DisplayChoice SettleDisplay() {
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x11 = qgetenv("DISPLAY");
    const bool x11Wanted = asked.isEmpty() || asked.startsWith("xcb");
    const DisplayChoice choice = chooseDisplay(
        asked, x11, x11Wanted && !x11.isEmpty() && answers(x11), qgetenv("WAYLAND_DISPLAY"));
    if (!choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platform);
    return choice;
}

} // namespace kyvra

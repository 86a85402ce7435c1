#include "desktop/XScreenSaverReset.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace kyvra {

bool ResetXScreenSaver() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection);
    return true;
}

} // namespace kyvra

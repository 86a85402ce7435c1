#include "desktop/DesktopSession.h"

namespace kyvra {

DesktopSession::DesktopSession(Player& player, QDBusConnection bus)
    : watch_(player), mpris_(player, watch_, bus), screenSaver_(bus),
      mediaKeys_(player, [this] { watch_.refresh(); }) {
    QObject::connect(&watch_, &PlayerWatch::changed, &screenSaver_, [this] { holdScreenSaver(); });
    holdScreenSaver();
}

// A picture that plays holds the screensaver off; sound alone, a pause, a stop, the end of the
// media or an error let it come back.
void DesktopSession::holdScreenSaver() {
    const DesktopView& view = watch_.view();
    screenSaver_.hold(view.status == DesktopView::Status::Playing && view.hasPicture);
}

} // namespace kyvra

#include "desktop/MprisRoot.h"

#include "core/ProductInfo.h"
#include "desktop/MprisService.h"
#include "desktop/RemoteCommands.h"
#include "settings/DesktopIntegration.h"

namespace kyvra {

MprisRoot::MprisRoot(MprisService& service) : QDBusAbstractAdaptor(&service), service_(service) {}

QString MprisRoot::identity() const {
    return kProductTitle;
}

// The entry's name without its ending, as the desktop looks it up.
QString MprisRoot::desktopEntry() const {
    QString name = kDesktopFileName;
    name.chop(int(qstrlen(".desktop")));
    return name;
}

QStringList MprisRoot::supportedMimeTypes() const {
    return desktopMimeTypes();
}

void MprisRoot::Raise() {
    service_.later(RemoteRaise);
}

void MprisRoot::Quit() {
    service_.later(RemoteQuit);
}

} // namespace kyvra

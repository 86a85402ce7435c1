#pragma once

#include "desktop/MediaKeys.h"
#include "desktop/MprisService.h"
#include "desktop/PlayerWatch.h"
#include "desktop/ScreenSaverInhibitor.h"

#include <QDBusConnection>

namespace kyvra {

class Player;

// What the player offers the desktop around it: media controls on the session bus, the
// screensaver held off while a picture plays, and the keyboard's media keys. Lives as long as
// the player's windows; built after the player and gone before it.
class DesktopSession {
public:
    DesktopSession(Player& player, QDBusConnection bus);

    PlayerWatch& watch() { return watch_; }
    MprisService& mpris() { return mpris_; }
    ScreenSaverInhibitor& screenSaver() { return screenSaver_; }

private:
    void holdScreenSaver();

    PlayerWatch watch_;
    MprisService mpris_;
    ScreenSaverInhibitor screenSaver_;
    MediaKeys mediaKeys_;
};

} // namespace kyvra

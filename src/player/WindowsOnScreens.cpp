#include "player/WindowsOnScreens.h"

#include "panel/RemoteForm.h"
#include "platform/ScreenPlacement.h"
#include "player/Player.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

#include <QGuiApplication>

namespace kyvra {

namespace {

void bringOnto(const QList<ScreenArea>& screens, Form& window) {
    const QRect now = window.geometry();
    const QRect placed = placedOnScreens(now, screens);
    if (placed == now)
        return;
    const Screen& twips = window.screen();
    window.setLeft(float(placed.x()) * twips.twipsPerPixelX());
    window.setTop(float(placed.y()) * twips.twipsPerPixelY());
}

} // namespace

void BringWindowsOntoScreens(Player& player) {
    const QList<ScreenArea> screens = currentScreens();
    bringOnto(screens, player.remote());
    bringOnto(screens, player.frmSub());
    // In full screen the window covers a screen already; the place it returns to is kept.
    if (!player.windows.fullScreen)
        bringOnto(screens, player.video());
}

void FollowScreensGoingAway(Player& player) {
    // Queued: Qt hands the windows of the screen that went away to another one first.
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, &player.remote(),
        [&player] { BringWindowsOntoScreens(player); }, Qt::QueuedConnection);
}

} // namespace kyvra

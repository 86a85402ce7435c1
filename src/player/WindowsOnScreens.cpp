#include "player/WindowsOnScreens.h"

#include "panel/RemoteForm.h"
#include "platform/ScreenPlacement.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

#include <QGuiApplication>

namespace kyvra {

namespace {

template <class Place> void bringOnto(const QList<ScreenArea>& screens, Form& window, Place place) {
    const QRect now = window.geometry();
    const QRect placed = placedOnScreens(now, screens);
    if (placed == now)
        return;
    const Screen& twips = window.screen();
    place(float(placed.x()) * twips.twipsPerPixelX(), float(placed.y()) * twips.twipsPerPixelY());
}

} // namespace

void BringWindowsOntoScreens(Player& player) {
    const QList<ScreenArea> screens = currentScreens();
    const auto moveForm = [](Form& form) {
        return [&form](float left, float top) {
            form.setLeft(left);
            form.setTop(top);
        };
    };
    bringOnto(screens, player.remote(), moveForm(player.remote()));
    bringOnto(screens, player.frmSub(), moveForm(player.frmSub()));
    // In full screen the window covers a screen already; the place it returns to is kept.
    if (!player.windows.fullScreen)
        bringOnto(screens, player.video(), [&player](float left, float top) {
            SetVideoWindowLeft(player, left);
            SetVideoWindowTop(player, top);
        });
}

void FollowScreensGoingAway(Player& player) {
    // Queued: Qt hands the windows of the screen that went away to another one first.
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, &player.remote(),
        [&player] { BringWindowsOntoScreens(player); }, Qt::QueuedConnection);
}

} // namespace kyvra

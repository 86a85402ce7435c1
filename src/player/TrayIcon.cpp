#include "player/TrayIcon.h"

#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "platform/SystemTray.h"
#include "player/Dialogs.h"
#include "player/Player.h"

namespace kyvra {

void AddTrayIcon(Player& player, const QIcon& icon, const QString& tip, RemoteForm& form) {
    const float twipsPerPixel = form.screen().twipsPerPixelX();
    player.tray().add(icon, tip, [&form, twipsPerPixel](int message) {
        form.Form_MouseMove(0, 0, float(message) * twipsPerPixel, 0);
    });
    form.hide();
}

void RemoveTrayIcon(Player& player) {
    player.tray().remove();
}

void RestoreFromTray(Player& player, RemoteForm& form) {
    RemoveTrayIcon(player);
    form.Show();
}

int DecodeTrayMessage(float x, const Screen& screen) {
    const double message = roundHalfEven(double(x) / screen.twipsPerPixelX());
    if (message == SystemTray::LeftButtonDoubleClick)
        return 1;
    if (message == SystemTray::RightButtonDown)
        return 2;
    return 0;
}

void ActOnTrayMessage(Player& player, float x) {
    RemoteForm& remote = player.remote();
    switch (DecodeTrayMessage(x, remote.screen())) {
    case 1:
        RestoreFromTray(player, remote);
        player.windows.inTray = false;
        break;
    case 2:
        player.dialogs().popupTrayMenu();
        break;
    default:
        break;
    }
}

void BringBackPanel(Player& player) {
    RemoteForm& remote = player.remote();
    remote.setVisible(true);
    remote.setWindowState(remote.windowState() & ~Qt::WindowMinimized);
    remote.Show();
}

} // namespace kyvra

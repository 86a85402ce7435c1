#include "app/Startup.h"

#include "core/AppError.h"
#include "core/ProductInfo.h"
#include "dialogs/SplashForm.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/WindowsOnScreens.h"
#include "settings/FileTypes.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

// Runs one start-up step; a failure is announced and start-up goes on with the next.
template <class Step> void guarded(Player& player, Step step) {
    try {
        step();
    } catch (const std::exception&) {
        player.prompts().messageBox(
            QStringLiteral("Load Error.\r\n%1\r\nAttempting to continue.").arg(kContactSentence),
            MsgButtons::Ok, MsgIcon::None, QString());
    }
}

bool yes(Player& player, const QString& setting) {
    return SettingIs(player, setting, QStringLiteral("yes"));
}

} // namespace

bool Main(Player& player) {
    if (SettingIs(player, QStringLiteral("Splash"), QStringLiteral("no"))) {
        StartPlayer(player);
        guarded(player, [&] { LoadSettings(player); });
        // The second loading puts the stored places back unchecked.
        BringWindowsOntoScreens(player);
        if (yes(player, QStringLiteral("Registext")))
            RegisterFileTypes(player.registry(), player.executablePath());
        return true;
    }
    auto* splash = new SplashForm(player, [&player] { StartPlayer(player); });
    player.frmSplash = splash;
    // A refusal is shown on its own, never over the splash.
    if (!splash->Form_Load())
        return false;
    splash->show();
    return true;
}

void StartPlayer(Player& player) {
    guarded(player, [&] { player.windows.fullScreen = false; });
    guarded(player, [&] { LoadSettings(player); });
    guarded(player, [&] {
        if (yes(player, QStringLiteral("Registext")))
            RegisterFileTypes(player.registry(), player.executablePath());
    });
    guarded(player, [&] { player.windows.onTopApplied = false; });
    guarded(player, [&] {
        player.video().hide();
        player.frmSub().hide();
    });
    guarded(player, [&] {
        ReadUseSubs(player);
        ReadScrollTitle(player);
        ReadAutoZoom(player);
    });
    guarded(player, [&] {
        if (yes(player, QStringLiteral("Windowpos")))
            RestoreWindowPositions(player);
    });
    guarded(player, [&] {
        if (player.frmSplash) {
            player.frmSplash->setVisible(false);
            player.frmSplash->close();
        }
    });
    guarded(player, [&] { player.remote().Form_Load(); });
    guarded(player, [&] { BringWindowsOntoScreens(player); });
    guarded(player, [&] { player.remote().Show(); });
}

} // namespace kyvra

#include "player/Settings.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "platform/ScreenPlacement.h"
#include "player/AlwaysOnTop.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "settings/Registry.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

#include <utility>

namespace kyvra {

namespace {

const QString yes = QStringLiteral("yes");
const QString no = QStringLiteral("no");
// What a read gives for a missing value.
const QString missing = QStringLiteral("Error");

QString readSetting(Player& player, const QString& name) {
    return player.registry().ReadRegValue(kSettingsKey, name);
}

// A stored coordinate by the leading-number rule. One that cannot be read as a number at all
// (beyond the double range) is treated like no number, so the window falls back on screen.
double storedCoordinate(Player& player, const QString& name, bool horizontal) {
    return player.screen().twipsFromStored(
        parseLeadingNumber(readSetting(player, name)).value_or(0), horizontal);
}

bool within(double value, float limit) {
    return value > 0 && value < limit;
}

} // namespace

void StoreSetting(Player& player, const QString& valueName, const QString& text) {
    player.registry().WriteRegValue(kSettingsKey, valueName, text);
}

void StoreSwitch(Player& player, const QString& valueName, bool on) {
    StoreSetting(player, valueName, on ? yes : no);
}

bool SettingIs(Player& player, const QString& valueName, const QString& expected) {
    return readSetting(player, valueName).startsWith(expected, Qt::CaseSensitive);
}

void LoadSettings(Player& player) {
    const std::pair<const char*, bool*> switches[] = {
        {"Splash", &player.options.splash},
        {"Registext", &player.options.registext},
        {"Windowpos", &player.options.windowpos},
        {"Autostart", &player.options.autostart},
        {"Ontop", &player.options.onTop},
        {"RememberPlayer", &player.options.rememberPlayer},
        {"useSubs", &player.options.useSubs},
        {"ScrollTitle", &player.options.scrollTitle},
    };
    for (const auto& [name, flag] : switches)
        *flag = false;

    player.options.ddeMode = readSetting(player, QStringLiteral("DDEMode"));
    player.options.ddeCommand = readSetting(player, QStringLiteral("DDECommand"));

    for (const auto& [name, flag] : switches)
        *flag = SettingIs(player, QLatin1String(name), yes);

    // Applied as stored, without asking whether they are on the screen; a value that is not a
    // number throws and leaves the remaining positions and the on-top step undone.
    const struct {
        const char* name;
        bool horizontal;
        void (*apply)(Player&, float);
    } positions[] = {
        {"KVR_RT", false, [](Player& p, float top) { p.remote().setTop(top); }},
        {"KVR_RL", true, [](Player& p, float left) { p.remote().setLeft(left); }},
        {"KVR_VT", false, SetVideoWindowTop},
        {"KVR_VL", true, SetVideoWindowLeft},
        {"KVR_ST", false, [](Player& p, float top) { p.frmSub().setTop(top); }},
        {"KVR_SL", true, [](Player& p, float left) { p.frmSub().setLeft(left); }},
    };
    for (const auto& [name, horizontal, apply] : positions) {
        const QString text = readSetting(player, QLatin1String(name));
        if (text != missing)
            apply(player, float(player.screen().twipsFromStored(textToSingle(text), horizontal)));
    }

    if (player.options.onTop) {
        SetOnTop(player, player.remote(), true);
        SetOnTop(player, player.video(), true);
        player.windows.onTop = true;
    }
}

void RestoreWindowPositions(Player& player) {
    const double panelLeft = storedCoordinate(player, QStringLiteral("KVR_RL"), true);
    const double panelTop = storedCoordinate(player, QStringLiteral("KVR_RT"), false);
    const double videoLeft = storedCoordinate(player, QStringLiteral("KVR_VL"), true);
    // Whole twips; the program itself may have stored more than a 16-bit top on a tall screen,
    // so the value is rounded but not limited to that range.
    const double videoTop =
        roundHalfEven(storedCoordinate(player, QStringLiteral("KVR_VT"), false));

    const Screen& screen = player.screen();
    // A place on a second monitor is kept; the primary screen's bounds judge every other one.
    const auto onSecondMonitor = [&screen](const Form& form, double left, double top) {
        const QPoint pixels(int(left / screen.twipsPerPixelX()),
                            int(top / screen.twipsPerPixelY()));
        return reachableOn(QRect(pixels, form.geometry().size()), secondaryScreens());
    };
    const auto restore = [&](Form& form, double left, double top, float fallback) {
        const bool kept = onSecondMonitor(form, left, top);
        form.setLeft(kept || within(left, screen.width()) ? float(left) : fallback);
        form.setTop(kept || within(top, screen.height()) ? float(top) : fallback);
    };
    restore(player.remote(), panelLeft, panelTop, 100);
    restore(player.video(), videoLeft, videoTop, 200);
}

void ReadUseSubs(Player& player) {
    player.options.useSubs = SettingIs(player, QStringLiteral("useSubs"), yes);
}

void ReadScrollTitle(Player& player) {
    player.options.scrollTitle = SettingIs(player, QStringLiteral("ScrollTitle"), yes);
}

void ReadAutoZoom(Player& player) {
    player.options.autoZoom = SettingIs(player, QStringLiteral("AZ"), yes);
}

void ApplyOnTopSetting(Player& player) {
    if (!SettingIs(player, QStringLiteral("Ontop"), QStringLiteral("yes")))
        return;
    RemoteForm& remote = player.remote();
    SetOnTop(player, player.video(), true);
    SetOnTop(player, remote, true);
    SetOnTop(player, player.frmSub(), true);
    remote.status->setCaption(QStringLiteral("Always on Top Enabled"));
    player.windows.onTop = true;
    remote.Label1->setBorderStyle(1);
}

void StoreCommonSettings(Player& player) {
    SetOnTop(player, player.remote(), player.options.onTop);
    if (player.video().isVisible())
        SetOnTop(player, player.video(), player.options.onTop);
    StoreSetting(player, QStringLiteral("DDEMode"), player.options.ddeMode);
    StoreSetting(player, QStringLiteral("DDECommand"), player.options.ddeCommand);
    StoreSwitch(player, QStringLiteral("AZ"), player.options.autoZoom);
}

} // namespace kyvra

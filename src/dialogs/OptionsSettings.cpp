#include "dialogs/OptionsSettings.h"

#include "core/NumberText.h"
#include "dialogs/OptionsForm.h"
#include "panel/RemoteForm.h"
#include "player/AlwaysOnTop.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

// The boxes that stand for a stored on/off setting, with the value each is stored under and the
// in-memory copy it sets, in the order they are stored.
struct Switch {
    CheckBox* OptionsForm::*box;
    const char* name;
    bool Options::*copy;
};
constexpr Switch switches[] = {
    {&OptionsForm::chkSplash, "Splash", &Options::splash},
    {&OptionsForm::chkExts, "Registext", &Options::registext},
    {&OptionsForm::chkWindowPos, "Windowpos", &Options::windowpos},
    {&OptionsForm::chkAutostart, "Autostart", &Options::autostart},
    {&OptionsForm::chkOnTop, "Ontop", &Options::onTop},
    {&OptionsForm::chkPlayer, "RememberPlayer", &Options::rememberPlayer},
    {&OptionsForm::subtitles, "useSubs", &Options::useSubs},
    {&OptionsForm::chkscroll, "ScrollTitle", &Options::scrollTitle},
};

bool ticked(const OptionsForm& dialog, CheckBox* OptionsForm::*box) {
    return (dialog.*box)->Value() == 1;
}

// The box shows the mode in force, so the choice made there is put in force too, and the
// panel's toggle shows it.
void applyOnTopChoice(Player& player) {
    player.windows.onTop = player.options.onTop;
    player.remote().Label1->setBorderStyle(player.windows.onTop ? 1 : 0);
    if (player.frmSub().isVisible())
        SetOnTop(player, player.frmSub(), player.windows.onTop);
}

} // namespace

void ShowSettings(const Player& player, OptionsForm& dialog) {
    for (const Switch& entry : switches)
        (dialog.*entry.box)->setValue(player.options.*entry.copy ? 1 : 0);
    // The mode in force, which the panel may have changed without saving.
    dialog.chkOnTop->setValue(player.windows.onTop ? 1 : 0);
    dialog.autozoom->setValue(player.options.autoZoom ? 1 : 0);
    dialog.fps_text->setText(singleText(player.subtitleCursor.framesPerSecond));
}

void SaveSettings(Player& player, const OptionsForm& dialog) {
    player.options.ddeCommand = dialog.command->text();
    for (const Switch& entry : switches)
        player.options.*entry.copy = ticked(dialog, entry.box);
    player.options.autoZoom = ticked(dialog, &OptionsForm::autozoom);
    applyOnTopChoice(player);
    StoreCommonSettings(player);
    for (const Switch& entry : switches)
        StoreSwitch(player, QLatin1String(entry.name), ticked(dialog, entry.box));
}

} // namespace kyvra

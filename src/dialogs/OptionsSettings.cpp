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
    bool SharedState::*copy;
};
constexpr Switch switches[] = {
    {&OptionsForm::chkSplash, "Splash", &SharedState::SplashSetting},
    {&OptionsForm::chkExts, "Registext", &SharedState::RegistextSetting},
    {&OptionsForm::chkWindowPos, "Windowpos", &SharedState::WindowposSetting},
    {&OptionsForm::chkAutostart, "Autostart", &SharedState::AutostartSetting},
    {&OptionsForm::chkOnTop, "Ontop", &SharedState::OntopSetting},
    {&OptionsForm::chkPlayer, "RememberPlayer", &SharedState::RememberPlayerSetting},
    {&OptionsForm::subtitles, "useSubs", &SharedState::UseSubs},
    {&OptionsForm::chkscroll, "ScrollTitle", &SharedState::ScrollTitle},
};

bool ticked(const OptionsForm& dialog, CheckBox* OptionsForm::*box) {
    return (dialog.*box)->Value() == 1;
}

// The box shows the mode in force, so the choice made there is put in force too, and the
// panel's toggle shows it.
void applyOnTopChoice(Player& player) {
    SharedState& state = player.state;
    state.OnTop = state.OntopSetting;
    player.remote().Label1->setBorderStyle(state.OnTop ? 1 : 0);
    if (player.frmSub().isVisible())
        SetOnTop(player, player.frmSub(), state.OnTop);
}

} // namespace

void ShowSettings(const Player& player, OptionsForm& dialog) {
    const SharedState& state = player.state;
    for (const Switch& entry : switches)
        (dialog.*entry.box)->setValue(state.*entry.copy ? 1 : 0);
    // The mode in force, which the panel may have changed without saving.
    dialog.chkOnTop->setValue(state.OnTop ? 1 : 0);
    dialog.autozoom->setValue(state.AutoZoom ? 1 : 0);
    dialog.fps_text->setText(singleText(state.FramesPerSecond));
}

void SaveSettings(Player& player, const OptionsForm& dialog) {
    SharedState& state = player.state;
    state.DDECommand = dialog.command->text();
    for (const Switch& entry : switches)
        state.*entry.copy = ticked(dialog, entry.box);
    state.AutoZoom = ticked(dialog, &OptionsForm::autozoom);
    applyOnTopChoice(player);
    StoreCommonSettings(player);
    for (const Switch& entry : switches)
        StoreSwitch(player, QLatin1String(entry.name), ticked(dialog, entry.box));
}

} // namespace kyvra

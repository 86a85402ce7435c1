// The panel's load step and its ways out: the quit button and a close by the window system.
#include "app/CommandLine.h"
#include "app/ErrorReport.h"
#include "app/Player.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "core/NumberText.h"
#include "dialogs/MenuForm.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "playback/Transport.h"
#include "settings/Registry.h"
#include "settings/Settings.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

void RemoteForm::Form_Load() {
    for (Image* logo : {kyvra, kyvra_over})
        logo->Move(2775, 315, 1215, 375);
    ShowMainView();
    HideAudioView();
    HideZoomView();

    try {
        player_.menu().DisablePlaybackMenu();
        Timer2_Timer();
        progress->setValue(0);
        ApplyOnTopSetting(player_);

        if (player_.commandLine().isEmpty())
            return;
        const CommandLineRequest request = ParseCommandLine(player_.commandLine());
        if (request.fullScreen)
            player_.state.AutoZoom = true;
        status->setCaption(QStringLiteral("Loading file.."));
        player_.engine().setFileName(request.path);
        PlayMedia(player_, 0);
        ReadAutoZoom(player_);
    } catch (const AppError& error) {
        ReportError(
            player_, error,
            QStringLiteral("An error occured while loading program. This shouldn't happen."));
    }
}

void RemoteForm::quit_Click() {
    SharedState& state = player_.state;
    state.Quitting = true;
    Registry& registry = player_.registry();
    if (SettingIs(player_, QStringLiteral("Windowpos"), QStringLiteral("yes"))) {
        const VideoWindow& video = player_.video();
        const SubtitleForm& subs = player_.frmSub();
        const std::pair<const char*, float> positions[] = {
            {"KVR_RT", Top()},        {"KVR_RL", Left()},     {"KVR_VT", video.Top()},
            {"KVR_VL", video.Left()}, {"KVR_ST", subs.Top()}, {"KVR_SL", subs.Left()},
        };
        for (const auto& [name, twips] : positions)
            registry.WriteRegValue(kSettingsKey, QLatin1String(name), singleText(twips));
    }
    if (SettingIs(player_, QStringLiteral("RememberPlayer"), QStringLiteral("yes"))) {
        registry.WriteRegValue(kSettingsKey, QStringLiteral("RMP_Repeat"),
                               repeat_over->isVisible() ? QStringLiteral("yes")
                                                        : QStringLiteral("no"));
    }
    SaveSettings(player_, OptionsInputs{});
    player_.endProgram();
}

// Closed by the window system rather than the quit button: remember where the panel was (for
// the desktop's session, nothing reads it back) and end the program, which has no other window
// a user could reach.
void RemoteForm::Form_QueryUnload(bool&) {
    if (!isMinimized()) {
        const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\kyvra\\Settings");
        Registry& registry = player_.registry();
        registry.CreateRegKey(key);
        registry.WriteRegValue(key, QStringLiteral("remoteLeft"), singleText(Left()));
        registry.WriteRegValue(key, QStringLiteral("remoteTop"), singleText(Top()));
    }
    player_.endProgram();
}

} // namespace kyvra

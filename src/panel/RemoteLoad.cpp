// The panel's load step and its ways out: the quit button and a close by the window system.
#include "core/AppError.h"
#include "core/CommandLine.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "dialogs/MenuForm.h"
#include "dialogs/OptionsSettings.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "player/ErrorReport.h"
#include "player/KeyCommands.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/Transport.h"
#include "player/Zoom.h"
#include "settings/Registry.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

// Back to the stored "AZ"; the panel's quit would otherwise store the switch as the setting.
void restoreAutoZoom(Player& player) {
    try {
        ReadAutoZoom(player);
    } catch (const AppError&) {
        // A registry that cannot be read leaves the switch off, as on a fresh machine.
        player.state.AutoZoom = false;
    }
}

// A folder, a pipe or a device is refused before the engine waits on it.
void playCommandLineFile(RemoteForm& remote, const QString& path) {
    if (const FileKind kind = fileKind(path); kind == FileKind::Folder || kind == FileKind::Other) {
        ReportFileError(remote.player(), path);
        return;
    }
    remote.status->setCaption(QStringLiteral("Loading file.."));
    remote.player().engine().setFileName(path);
    // In force for this first film as for those opened later.
    ShowRepeatState(remote.player());
    PlayMedia(remote.player(), 0);
}

} // namespace

void RemoteForm::Form_Load() {
    for (Image* logo : {kyvra, kyvra_over})
        logo->Move(2775, 315, 1215, 375);
    ShowMainView();
    HideAudioView();
    HideZoomView();
    BuildZoomList(player_);

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
        // What came down to nothing (spaces, a lone quote, the switch alone) names no file: the
        // status line keeps saying so.
        if (!request.path.isEmpty())
            playCommandLineFile(*this, request.path);
    } catch (const AppError& error) {
        ReportError(
            player_, error,
            QStringLiteral("An error occured while loading program. This shouldn't happen."));
    }
    // The switch is for this first playback only, whether or not it played.
    if (player_.state.AutoZoom)
        restoreAutoZoom(player_);
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
    SaveSettings(player_);
    player_.endProgram();
}

// Closed by the window system rather than the quit button: remember where the panel was (for
// the desktop's session, nothing reads it back) and end the program, which has no other window
// a user could reach.
void RemoteForm::Form_QueryUnload(bool& cancel) {
    if (HandleCloseAsAltF4(player_)) {
        cancel = true;
        return;
    }
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

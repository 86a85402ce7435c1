// The panel's load step and its ways out: the quit button and a close by the window system.
#include "core/AppError.h"
#include "core/CommandLine.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "player/Dialogs.h"
#include "player/ErrorReport.h"
#include "player/KeyCommands.h"
#include "player/PanelWiring.h"
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
        player.options.autoZoom = false;
    }
}

// A folder, a pipe or a device is refused before the engine waits on it.
void playCommandLineFile(Player& player, const QString& path) {
    if (const FileKind kind = fileKind(path); kind == FileKind::Folder || kind == FileKind::Other) {
        ReportFileError(player, path);
        return;
    }
    player.remote().status->setCaption(QStringLiteral("Loading file.."));
    player.engine().setFileName(path);
    // In force for this first film as for those opened later.
    ShowRepeatState(player);
    PlayMedia(player, 0);
}

} // namespace

void LoadPanel(Player& player) {
    RemoteForm& remote = player.remote();
    for (Image* logo : {remote.kyvra, remote.kyvra_over})
        logo->Move(2775, 315, 1215, 375);
    remote.ShowMainView();
    remote.HideAudioView();
    remote.HideZoomView();
    BuildZoomList(player);

    try {
        player.dialogs().enablePlaybackCommands(false);
        remote.Timer2_Timer();
        remote.progress->setValue(0);
        ApplyOnTopSetting(player);

        if (player.commandLine().isEmpty())
            return;
        const CommandLineRequest request = ParseCommandLine(player.commandLine());
        if (request.fullScreen)
            player.options.autoZoom = true;
        // What came down to nothing (spaces, a lone quote, the switch alone) names no file: the
        // status line keeps saying so.
        if (!request.path.isEmpty())
            playCommandLineFile(player, request.path);
    } catch (const AppError& error) {
        ReportError(
            player, error,
            QStringLiteral("An error occured while loading program. This shouldn't happen."));
    }
    // The switch is for this first playback only, whether or not it played.
    if (player.options.autoZoom)
        restoreAutoZoom(player);
}

void QuitFromPanel(Player& player) {
    const RemoteForm& remote = player.remote();
    Registry& registry = player.registry();
    if (SettingIs(player, QStringLiteral("Windowpos"), QStringLiteral("yes"))) {
        const VideoWindow& video = player.video();
        const SubtitleForm& subs = player.frmSub();
        const struct {
            const char* name;
            float twips;
            bool horizontal;
        } positions[] = {
            {"KVR_RT", remote.Top(), false}, {"KVR_RL", remote.Left(), true},
            {"KVR_VT", video.Top(), false},  {"KVR_VL", video.Left(), true},
            {"KVR_ST", subs.Top(), false},   {"KVR_SL", subs.Left(), true},
        };
        for (const auto& [name, twips, horizontal] : positions)
            registry.WriteRegValue(
                kSettingsKey, QLatin1String(name),
                singleText(float(player.screen().storedFromTwips(twips, horizontal))));
    }
    if (SettingIs(player, QStringLiteral("RememberPlayer"), QStringLiteral("yes"))) {
        registry.WriteRegValue(kSettingsKey, QStringLiteral("RMP_Repeat"),
                               remote.repeat_over->isVisible() ? QStringLiteral("yes")
                                                               : QStringLiteral("no"));
    }
    StoreCommonSettings(player);
    player.endProgram();
}

// Closed by the window system rather than the quit button: remember where the panel was (for
// the desktop's session, nothing reads it back) and end the program, which has no other window
// a user could reach.
void ClosePanel(Player& player, bool& cancel) {
    const RemoteForm& remote = player.remote();
    if (HandleCloseAsAltF4(player)) {
        cancel = true;
        return;
    }
    if (!remote.isMinimized()) {
        const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\kyvra\\Settings");
        Registry& registry = player.registry();
        registry.CreateRegKey(key);
        registry.WriteRegValue(key, QStringLiteral("remoteLeft"), singleText(remote.Left()));
        registry.WriteRegValue(key, QStringLiteral("remoteTop"), singleText(remote.Top()));
    }
    player.endProgram();
}

} // namespace kyvra

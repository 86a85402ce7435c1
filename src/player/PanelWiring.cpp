#include "player/PanelWiring.h"

#include "core/AppError.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "player/Dialogs.h"
#include "player/DroppedMedia.h"
#include "player/ErrorReport.h"
#include "player/KeyCommands.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/TrayIcon.h"
#include "player/Zoom.h"

namespace kyvra {

namespace {

// A choice sizes the picture, then the panel goes back to its Main view.
void applyZoomChoice(Player& player) {
    RemoteForm& remote = player.remote();
    try {
        if (!ApplyZoomChoice(player, remote.cboZoomOpt->currentText()))
            return;
        if (!player.windows.fullScreen) {
            remote.activateWindow();
            remote.setFocus();
        }
        remote.HideZoomView();
        remote.ShowMainView();
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured while attempting to zoom the video."));
    }
}

// Resuming puts the title back into the status line; the panel writes its hint after.
void seekToShare(Player& player, float share) {
    MediaEngine& engine = player.engine();
    SeekTo(player, double(share) * engine.duration());
    engine.pause();
    PlayMedia(player, 1);
}

} // namespace

void WirePanel(Player& player) {
    RemoteFormEvents& events = player.remote().events;
    events.command = [&player](PanelCommand command) { RunPanelCommand(player, command); };
    events.open = [&player] { OpenFromPanel(player); };
    events.load = [&player] { LoadPanel(player); };
    events.quit = [&player] { QuitFromPanel(player); };
    events.close = [&player](bool& cancel) { ClosePanel(player, cancel); };
    events.restoreStatus = [&player] { RestoreStatus(player); };
    events.keepTime = [&player] { KeepTime(player); };
    events.seek = [&player](float share) { seekToShare(player, share); };
    events.zoomChosen = [&player] { applyZoomChoice(player); };
    events.key = [&player](int keyCode, int shift) { HandleKey(player, keyCode, shift); };
    events.drop = [&player](const QStringList& files) { LoadDroppedMedia(player, files); };
    events.contextMenu = [&player] { player.dialogs().popupContextMenu(); };
    events.trayMessage = [&player](float x) { ActOnTrayMessage(player, x); };
    events.failed = [&player](const AppError& error, const QString& message) {
        ReportError(player, error, message);
    };
    events.viewShown = [&player](const QString& view) { player.panelState.view = view; };
    events.repeatEnabled = [&player] { player.panelState.repeat = true; };
}

} // namespace kyvra

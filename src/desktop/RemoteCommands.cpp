#include "desktop/RemoteCommands.h"

#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "panel/VolumeControl.h"
#include "playback/MediaEngine.h"
#include "player/DroppedMedia.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/TrayIcon.h"

#include <algorithm>

namespace kyvra {

namespace {

template <class Step> void trapped(Player& player, const QString& message, Step step) {
    try {
        step();
    } catch (const AppError& error) {
        ReportError(player, error, message);
    }
}

const QString kTransportError = QStringLiteral("An error occured while controlling playback.");

int playState(Player& player) {
    MediaEngine& engine = player.engine();
    return engine.fileName().isEmpty() ? -1 : engine.playState();
}

} // namespace

void RemotePlay(Player& player) {
    trapped(player, kTransportError, [&] {
        const int state = playState(player);
        if (state == MediaEngine::Paused)
            player.remote().run(PanelCommand::Pause);
        else if (state == MediaEngine::Stopped)
            PlayMedia(player, 0);
    });
}

void RemotePause(Player& player) {
    trapped(player, kTransportError, [&] {
        if (playState(player) == MediaEngine::Playing)
            player.remote().run(PanelCommand::Pause);
    });
}

void RemotePlayPause(Player& player) {
    trapped(player, kTransportError, [&] {
        if (playState(player) == MediaEngine::Stopped)
            PlayMedia(player, 0);
        else
            player.remote().run(PanelCommand::Pause);
    });
}

void RemoteStop(Player& player) {
    trapped(player, kTransportError, [&] { StopMedia(player); });
}

void RemoteNext(Player& player) {
    trapped(player, kTransportError, [&] { player.remote().run(PanelCommand::SeekForward); });
}

void RemotePrevious(Player& player) {
    trapped(player, kTransportError, [&] { player.remote().run(PanelCommand::SeekBack); });
}

void RemoteSeekTo(Player& player, double seconds) {
    trapped(player, QStringLiteral("An error occured while seeking."), [&] {
        const int state = playState(player);
        if (state != MediaEngine::Playing && state != MediaEngine::Paused)
            return;
        MediaEngine& engine = player.engine();
        const double duration = engine.duration();
        if (!(duration > 0))
            return;
        const double target = std::clamp(seconds, 0.0, duration);
        SeekTo(player, target);
        RemoteForm& remote = player.remote();
        // The time line and the seek bar follow at once, also while paused, when the panel's
        // tick does not run.
        remote.tmrKeepTime_Timer();
        remote.status->setCaption(
            QStringLiteral("Seeking to %1%..").arg(qint64(roundHalfEven(target / duration * 100))));
    });
}

void RemoteOpen(Player& player, const QString& path) {
    LoadDroppedMedia(player, {path});
}

void RemoteSetVolume(Player& player, double share) {
    trapped(player, QStringLiteral("An error occured while changing the volume."), [&] {
        const double level = std::clamp(share, 0.0, 1.0);
        player.engine().setVolume(int(roundHalfEven((1 - level) * kPanelSilentVolume)));
        UpdateVolumeLabel(player.remote(), QString());
    });
}

void RemoteRaise(Player& player) {
    BringBackPanel(player);
    RemoteForm& remote = player.remote();
    remote.setWindowState(remote.windowState() & ~Qt::WindowMinimized);
    remote.raise();
    remote.activateWindow();
}

void RemoteQuit(Player& player) {
    player.endProgram();
}

double VolumeShare(int hundredthsOfDb) {
    return std::clamp(1.0 - double(hundredthsOfDb) / kPanelSilentVolume, 0.0, 1.0);
}

} // namespace kyvra

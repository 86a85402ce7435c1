// What the panel's commands do, whether a button, a key, a menu or the desktop asks.
#include "panel/RemoteForm.h"
#include "platform/SystemTray.h"
#include "player/AlwaysOnTop.h"
#include "player/Dialogs.h"
#include "player/PanelWiring.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/TrappedStep.h"
#include "player/TrayIcon.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

// The mode only takes hold on the next tick that finds media loaded: the windows are placed
// while OnTop still has its old value.
void toggleOnTop(Player& player) {
    RemoteForm& remote = player.remote();
    const bool enable = !player.windows.onTop;
    SetOnTop(player, player.video(), enable);
    SetOnTop(player, remote, enable);
    if (player.frmSub().isVisible())
        SetOnTop(player, player.frmSub(), enable);
    remote.status->setCaption(enable ? QStringLiteral("Always on Top Enabled")
                                     : QStringLiteral("Always on Top Disabled"));
    player.windows.onTop = enable;
    remote.Label1->setBorderStyle(enable ? 1 : 0);
}

// Without a notification area nothing could bring a hidden panel back while no picture shows, so
// the panel goes to the task bar instead and the player stays out of the tray state.
void goToTray(Player& player) {
    RemoteForm& remote = player.remote();
    if (!player.tray().isAvailable()) {
        remote.showMinimized();
        return;
    }
    player.windows.inTray = true;
    AddTrayIcon(player, remote.windowIcon(), QStringLiteral("Kyvra Player"), remote);
}

// From the Main view to the Zoom or Audio view; from either of those, both buttons lead back.
void switchView(Player& player, const QString& view) {
    RemoteForm& remote = player.remote();
    if (player.panelState.view != QLatin1String("Main")) {
        remote.ShowMainView();
        remote.HideAudioView();
        remote.HideZoomView();
        return;
    }
    remote.HideMainView();
    if (view == QLatin1String("Zoom")) {
        remote.HideAudioView();
        remote.ShowZoomView();
        player.panelState.view = view;
    } else {
        remote.HideZoomView();
        remote.ShowAudioView();
    }
}

void disableRepeat(Player& player) {
    RemoteForm& remote = player.remote();
    if (remote.repeat->isHidden())
        remote.repeat->setVisible(true);
    remote.repeat_over->setVisible(false);
    player.panelState.repeat = false;
}

} // namespace

void RunPanelCommand(Player& player, PanelCommand command) {
    switch (command) {
    case PanelCommand::SeekBack:
        return TrappedStep(player, kSeekFailure, [&player] { SeekBack(player); });
    case PanelCommand::Play:
        return TrappedStep(player, kPlayFailure, [&player] { PlayMedia(player, 0); });
    case PanelCommand::Pause:
        return TrappedStep(player, kPauseFailure, [&player] { PauseMedia(player); });
    case PanelCommand::Stop:
        return TrappedStep(player, kStopFailure, [&player] { StopMedia(player); });
    case PanelCommand::SeekForward:
        return TrappedStep(player, kSeekFailure, [&player] { SeekForward(player); });
    case PanelCommand::Open:
        return player.remote().load_Click();
    case PanelCommand::About:
        return player.dialogs().showAbout();
    case PanelCommand::ToggleOnTop:
        return toggleOnTop(player);
    case PanelCommand::ToTray:
        return goToTray(player);
    case PanelCommand::Options:
        return player.dialogs().showOptions();
    case PanelCommand::Quit:
        return player.remote().quit_Click();
    case PanelCommand::ZoomView:
        return switchView(player, QStringLiteral("Zoom"));
    case PanelCommand::AudioView:
        return switchView(player, QStringLiteral("Audio"));
    case PanelCommand::RepeatOn:
        return player.remote().EnableRepeat();
    case PanelCommand::RepeatOff:
        return disableRepeat(player);
    }
}

} // namespace kyvra

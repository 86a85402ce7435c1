// What the panel's commands do, whether a button, a key, a menu or the desktop asks; and the
// panel's own presses, moves and drops outside its buttons.
#include "dialogs/DialogLaunchers.h"
#include "dialogs/MenuForm.h"
#include "dialogs/TrayIcon.h"
#include "panel/AlwaysOnTop.h"
#include "panel/RemoteForm.h"
#include "platform/SystemTray.h"
#include "platform/WindowSystem.h"
#include "player/DroppedMedia.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/TrappedStep.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

void RemoteForm::run(PanelCommand command) {
    switch (command) {
    case PanelCommand::SeekBack:
        return TrappedStep(player_, kSeekFailure, [this] { SeekBack(player_); });
    case PanelCommand::Play:
        return TrappedStep(player_, kPlayFailure, [this] { PlayMedia(player_, 0); });
    case PanelCommand::Pause:
        return TrappedStep(player_, kPauseFailure, [this] { PauseMedia(player_); });
    case PanelCommand::Stop:
        return TrappedStep(player_, kStopFailure, [this] { StopMedia(player_); });
    case PanelCommand::SeekForward:
        return TrappedStep(player_, kSeekFailure, [this] { SeekForward(player_); });
    case PanelCommand::Open:
        return load_Click();
    case PanelCommand::About:
        return ShowAboutBox(player_);
    case PanelCommand::ToggleOnTop:
        return toggleOnTop();
    case PanelCommand::ToTray:
        return goToTray();
    case PanelCommand::Options:
        return ShowOptionsDialog(player_);
    case PanelCommand::Quit:
        return quit_Click();
    case PanelCommand::ZoomView:
        return switchView(QStringLiteral("Zoom"));
    case PanelCommand::AudioView:
        return switchView(QStringLiteral("Audio"));
    case PanelCommand::RepeatOn:
        return EnableRepeat();
    case PanelCommand::RepeatOff:
        return disableRepeat();
    }
}

// The mode only takes hold on the next tick that finds media loaded: the windows are placed
// while OnTop still has its old value.
void RemoteForm::toggleOnTop() {
    SharedState& state = player_.state;
    const bool enable = !state.OnTop;
    SetOnTop(player_, player_.video(), enable);
    SetOnTop(player_, *this, enable);
    if (player_.frmSub().isVisible())
        SetOnTop(player_, player_.frmSub(), enable);
    status->setCaption(enable ? QStringLiteral("Always on Top Enabled")
                              : QStringLiteral("Always on Top Disabled"));
    state.OnTop = enable;
    Label1->setBorderStyle(enable ? 1 : 0);
}

// Without a notification area nothing could bring a hidden panel back while no picture shows, so
// the panel goes to the task bar instead and the player stays out of the tray state.
void RemoteForm::goToTray() {
    if (!player_.tray().isAvailable()) {
        showMinimized();
        return;
    }
    player_.state.InTray = true;
    AddTrayIcon(player_, windowIcon(), QStringLiteral("Kyvra Player"), *this);
}

// From the Main view to the Zoom or Audio view; from either of those, both buttons lead back.
void RemoteForm::switchView(const QString& view) {
    if (player_.state.PanelView != QLatin1String("Main")) {
        ShowMainView();
        HideAudioView();
        HideZoomView();
        return;
    }
    HideMainView();
    if (view == QLatin1String("Zoom")) {
        HideAudioView();
        ShowZoomView();
        player_.state.PanelView = view;
    } else {
        HideZoomView();
        ShowAudioView();
    }
}

void RemoteForm::disableRepeat() {
    if (repeat->isHidden())
        repeat->setVisible(true);
    repeat_over->setVisible(false);
    player_.state.RepeatOn = false;
}

void RemoteForm::background_MouseDown(int button) {
    if (button == 2)
        player_.menu().popupRemoteMenu();
    else
        dragWindow(*this);
}

void RemoteForm::Form_MouseDown(int button, int, float, float) {
    background_MouseDown(button);
}

void RemoteForm::Form_OLEDragDrop(const QStringList& files, int, int, float, float) {
    LoadDroppedMedia(player_, files);
}

// The bare panel, outside every control, and the tray icon's messages: the status line comes back
// after a hint, but lit twins stay lit until the pointer crosses the skin.
void RemoteForm::Form_MouseMove(int, int, float x, float) {
    Timer2->setEnabled(true);
    restartIdleTimer();
    ActOnTrayMessage(player_, x);
}

} // namespace kyvra

// What the panel's buttons do: transport, views, repeat, always-on-top, the window-chrome labels,
// dragging, the context menu and dropped files.
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

namespace {

using Handler = void (RemoteForm::*)();

template <class Control> void onClick(RemoteForm* remote, Control* control, Handler handler) {
    control->events.click = [remote, handler] { (remote->*handler)(); };
}

template <class Control> void onMouseDown(RemoteForm* remote, Control* control, Handler handler) {
    control->events.mouseDown = [remote, handler](int, int, float, float) { (remote->*handler)(); };
}

template <class Control> void onMouseUp(RemoteForm* remote, Control* control, Handler handler) {
    control->events.mouseUp = [remote, handler](int, int, float, float) { (remote->*handler)(); };
}

// From either of the other views, both view toggles lead back to the Main view.
void backToMainView(RemoteForm& remote) {
    remote.ShowMainView();
    remote.HideAudioView();
    remote.HideZoomView();
}

} // namespace

void RemoteForm::wireButtons() {
    wireHints();

    onMouseDown(this, back_over, &RemoteForm::back_over_MouseDown);
    onClick(this, back_over, &RemoteForm::back_over_Click);
    onClick(this, play_over, &RemoteForm::play_over_Click);
    onClick(this, pause, &RemoteForm::pause_Click);
    onClick(this, pause_over, &RemoteForm::pause_over_Click);
    onClick(this, stop_over, &RemoteForm::stop_over_Click);
    onMouseDown(this, forward_over, &RemoteForm::forward_over_MouseDown);
    onClick(this, forward_over, &RemoteForm::forward_over_Click);
    onClick(this, load, &RemoteForm::load_Click);
    onClick(this, load_over, &RemoteForm::load_over_Click);
    onClick(this, kyvra, &RemoteForm::kyvra_Click);
    onClick(this, kyvra_over, &RemoteForm::kyvra_over_Click);

    onClick(this, Label1, &RemoteForm::Label1_Click);
    onMouseDown(this, Label5, &RemoteForm::Label5_MouseDown);
    onClick(this, Label5, &RemoteForm::Label5_Click);
    onMouseDown(this, cmdOptions, &RemoteForm::cmdOptions_MouseDown);
    onMouseUp(this, cmdOptions, &RemoteForm::cmdOptions_MouseUp);
    onClick(this, cmdOptions, &RemoteForm::cmdOptions_Click);
    onMouseDown(this, quit, &RemoteForm::quit_MouseDown);
    onMouseUp(this, quit, &RemoteForm::quit_MouseUp);
    onClick(this, quit, &RemoteForm::quit_Click);

    onClick(this, pbview, &RemoteForm::pbview_Click);
    onClick(this, volpanel, &RemoteForm::volpanel_Click);
    onClick(this, repeat, &RemoteForm::repeat_Click);
    onClick(this, repeat_over, &RemoteForm::repeat_over_Click);

    const MouseHandler pressOnSkin = [this](int button, int, float, float) {
        background_MouseDown(button);
    };
    background->events.mouseDown = pressOnSkin;
    // Label4 lies over Label3 and the start of the title bar; a press there still drags.
    for (Label* handle : {Label3, Label4, playbackInfo, status, time, titlebar})
        handle->events.mouseDown = pressOnSkin;
}

// The press already steps once; the click that follows steps again, so a full click moves up to
// ten seconds and a press with any other button five.
void RemoteForm::back_over_MouseDown() {
    TrappedStep(player_, kSeekFailure, [this] { SeekBack(player_); });
}

void RemoteForm::back_over_Click() {
    TrappedStep(player_, kSeekFailure, [this] { SeekBack(player_); });
}

void RemoteForm::forward_over_MouseDown() {
    TrappedStep(player_, kSeekFailure, [this] { SeekForward(player_); });
}

void RemoteForm::forward_over_Click() {
    TrappedStep(player_, kSeekFailure, [this] { SeekForward(player_); });
}

void RemoteForm::play_over_Click() {
    TrappedStep(player_, kPlayFailure, [this] { PlayMedia(player_, 0); });
}

void RemoteForm::pause_Click() {
    TrappedStep(player_, kPauseFailure, [this] { PauseMedia(player_); });
}

void RemoteForm::pause_over_Click() {
    pause_Click();
}

void RemoteForm::stop_over_Click() {
    TrappedStep(player_, kStopFailure, [this] { StopMedia(player_); });
}

void RemoteForm::load_over_Click() {
    load_Click();
}

void RemoteForm::kyvra_Click() {
    ShowAboutBox(player_);
}

void RemoteForm::kyvra_over_Click() {
    kyvra_Click();
}

// The mode only takes hold on the next tick that finds media loaded: the windows are placed
// while OnTop still has its old value.
void RemoteForm::Label1_Click() {
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

// Nothing resets the border: the panel has gone to the tray by the time the button is released.
void RemoteForm::Label5_MouseDown() {
    Label5->setBorderStyle(1);
}

void RemoteForm::cmdOptions_MouseDown() {
    cmdOptions->setBorderStyle(1);
}

void RemoteForm::cmdOptions_MouseUp() {
    cmdOptions->setBorderStyle(0);
}

void RemoteForm::cmdOptions_Click() {
    ShowOptionsDialog(player_);
}

void RemoteForm::quit_MouseDown() {
    quit->setBorderStyle(1);
}

void RemoteForm::quit_MouseUp() {
    quit->setBorderStyle(0);
}

void RemoteForm::pbview_Click() {
    if (player_.state.PanelView != QLatin1String("Main")) {
        backToMainView(*this);
        return;
    }
    HideMainView();
    HideAudioView();
    ShowZoomView();
    player_.state.PanelView = QStringLiteral("Zoom");
}

void RemoteForm::volpanel_Click() {
    if (player_.state.PanelView != QLatin1String("Main")) {
        backToMainView(*this);
        return;
    }
    HideMainView();
    HideZoomView();
    ShowAudioView();
}

void RemoteForm::repeat_Click() {
    EnableRepeat();
}

void RemoteForm::repeat_over_Click() {
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

// Without a notification area nothing could bring a hidden panel back while no picture shows, so
// the panel goes to the task bar instead and the player stays out of the tray state.
void RemoteForm::Label5_Click() {
    if (!player_.tray().isAvailable()) {
        showMinimized();
        return;
    }
    player_.state.InTray = true;
    AddTrayIcon(player_, windowIcon(), QStringLiteral("Kyvra Player"), *this);
}

} // namespace kyvra

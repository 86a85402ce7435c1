// The panel's hover twins and hints: moving over a button lights its twin and names what it does
// in the status line; moving back onto the bare skin puts everything out again.
#include "dialogs/TrayIcon.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

bool mediaLoaded(RemoteForm& remote) {
    return !remote.player().engine().fileName().isEmpty();
}

// A transport button only lights up when there is something for it to act on.
void showTwinWithMedia(RemoteForm& remote, Image* twin) {
    if (mediaLoaded(remote))
        twin->setVisible(true);
}

// Over a lit transport button: its neighbours go out so only one twin is lit, and its hint shows.
void hintWithMedia(RemoteForm& remote, const QString& hint,
                   std::initializer_list<Image*> neighbours) {
    if (!mediaLoaded(remote))
        return;
    for (Image* twin : neighbours)
        twin->setVisible(false);
    remote.status->setCaption(hint);
}

template <class Control> void hintOnMove(RemoteForm& remote, Control* control, QString hint) {
    control->events.mouseMove = [&remote, hint = std::move(hint)](int, int, float, float) {
        remote.status->setCaption(hint);
    };
}

} // namespace

void RemoteForm::wireHints() {
    const std::pair<Image*, void (RemoteForm::*)()> moves[] = {
        {back, &RemoteForm::back_MouseMove},
        {back_over, &RemoteForm::back_over_MouseMove},
        {play, &RemoteForm::play_MouseMove},
        {play_over, &RemoteForm::play_over_MouseMove},
        {pause, &RemoteForm::pause_MouseMove},
        {pause_over, &RemoteForm::pause_over_MouseMove},
        {stop_button, &RemoteForm::stop_button_MouseMove},
        {stop_over, &RemoteForm::stop_over_MouseMove},
        {forward, &RemoteForm::forward_MouseMove},
        {forward_over, &RemoteForm::forward_over_MouseMove},
        {load, &RemoteForm::load_MouseMove},
        {load_over, &RemoteForm::load_over_MouseMove},
        {kyvra, &RemoteForm::kyvra_MouseMove},
        {kyvra_over, &RemoteForm::kyvra_over_MouseMove},
        {background, &RemoteForm::background_MouseMove},
    };
    for (const auto& [control, handler] : moves)
        control->events.mouseMove = [this, handler](int, int, float, float) { (this->*handler)(); };
    // The Main view's lines lie on the skin and behave like it.
    for (Label* line : {status, playbackInfo, time})
        line->events.mouseMove = [this](int, int, float, float) { background_MouseMove(); };

    hintOnMove(*this, Label1, QStringLiteral("Toggle Ontop On/off.."));
    hintOnMove(*this, Label5, QStringLiteral("Minimise Panel to System Tray"));
    hintOnMove(*this, cmdOptions, QStringLiteral("Configure player settings.."));
    hintOnMove(*this, quit, QStringLiteral("Exit.."));
    hintOnMove(*this, pbview, QStringLiteral("Show zoom options"));
    hintOnMove(*this, volpanel, QStringLiteral("Toggle Sound Panel"));
    hintOnMove(*this, repeat, QStringLiteral("Repeat On"));
    hintOnMove(*this, repeat_over, QStringLiteral("Repeat Off"));
}

void RemoteForm::back_MouseMove() {
    showTwinWithMedia(*this, back_over);
}

void RemoteForm::back_over_MouseMove() {
    hintWithMedia(*this, QStringLiteral("Seek backwards"), {play_over});
}

void RemoteForm::play_MouseMove() {
    showTwinWithMedia(*this, play_over);
}

void RemoteForm::play_over_MouseMove() {
    hintWithMedia(*this, QStringLiteral("Play media"), {back_over, pause_over});
}

void RemoteForm::pause_MouseMove() {
    showTwinWithMedia(*this, pause_over);
}

void RemoteForm::pause_over_MouseMove() {
    hintWithMedia(*this, QStringLiteral("Pause playback"), {play_over, stop_over});
}

void RemoteForm::stop_button_MouseMove() {
    showTwinWithMedia(*this, stop_over);
}

void RemoteForm::stop_over_MouseMove() {
    hintWithMedia(*this, QStringLiteral("Stop playback"), {pause_over, forward_over});
}

void RemoteForm::forward_MouseMove() {
    showTwinWithMedia(*this, forward_over);
}

void RemoteForm::forward_over_MouseMove() {
    hintWithMedia(*this, QStringLiteral("Seek forward"), {stop_over});
}

// Opening a file needs no media, so this button lights up and explains itself at any time.
void RemoteForm::load_MouseMove() {
    load_over->setVisible(true);
}

void RemoteForm::load_over_MouseMove() {
    status->setCaption(QStringLiteral("Open media for playback"));
}

// The logo swaps itself for its lit twin rather than lying under it.
void RemoteForm::kyvra_MouseMove() {
    kyvra_over->setVisible(true);
    kyvra->setVisible(false);
    status->setCaption(QStringLiteral("About.."));
}

void RemoteForm::kyvra_over_MouseMove() {
    status->setCaption(QStringLiteral("About.."));
}

void RemoteForm::background_MouseMove() {
    ClearHoverImages();
    restartIdleTimer();
    if (!Timer2->Enabled())
        Timer2->setEnabled(true);
}

// Any pointer movement over the panel counts as activity for the full-screen auto-hide.
void RemoteForm::restartIdleTimer() {
    Timer* idle = player_.video().Timer1;
    idle->setEnabled(false);
    idle->setEnabled(true);
}

// The bare panel, outside every control, and the tray icon's messages: the status line comes back
// after a hint, but lit twins stay lit until the pointer crosses the skin.
void RemoteForm::Form_MouseMove(int, int, float x, float) {
    Timer2->setEnabled(true);
    restartIdleTimer();
    ActOnTrayMessage(player_, x);
}

} // namespace kyvra

#include "dialogs/MenuForm.h"

#include "core/AppError.h"
#include "dialogs/DetailsForm.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/AlwaysOnTop.h"
#include "player/Dialogs.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "player/TrappedStep.h"
#include "player/TrayIcon.h"
#include "video/VideoWindow.h"

#include <QApplication>

namespace kyvra {

MenuForm::MenuForm(Player& player) : player_(player) {
    systray = new QMenu(QStringLiteral("SysTray"));
    SysQuit = addItem(systray, QStringLiteral("Quit..."), &MenuForm::SysQuit_Click);

    RemoteMenu = new QMenu(QStringLiteral("Remote"));
    about = addItem(RemoteMenu, QStringLiteral("About Kyvra..."), &MenuForm::about_Click);
    options = addItem(RemoteMenu, QStringLiteral("Options..."), &MenuForm::options_Click);
    ratecontrol =
        addItem(RemoteMenu, QStringLiteral("Rate Control..."), &MenuForm::ratecontrol_Click);
    RemoteMenu->addSeparator();
    details = addItem(RemoteMenu, QStringLiteral("Movie Details..."), &MenuForm::details_Click);
    RemoteMenu->addSeparator();
    rewind = addItem(RemoteMenu, QStringLiteral("Rewind"), &MenuForm::rewind_Click);
    pause = addItem(RemoteMenu, QStringLiteral("Pause"), &MenuForm::pause_Click);
    play = addItem(RemoteMenu, QStringLiteral("Play"), &MenuForm::play_Click);
    stop = addItem(RemoteMenu, QStringLiteral("Stop"), &MenuForm::stop_Click);
    fastforward = addItem(RemoteMenu, QStringLiteral("Fast Forward"), &MenuForm::fastforward_Click);
    RemoteMenu->addSeparator();
    fullscreen = addItem(RemoteMenu, QStringLiteral("Full Screen"), &MenuForm::fullscreen_Click);
    showremote = addItem(RemoteMenu, QStringLiteral("Show Remote"), &MenuForm::showremote_Click);
    RemoteMenu->addSeparator();
    openfile = addItem(RemoteMenu, QStringLiteral("Open File..."), &MenuForm::openfile_Click);
    openvcd = addItem(RemoteMenu, QStringLiteral("Open VCD..."), &MenuForm::openvcd_Click);
    RemoteMenu->addSeparator();
    quit = addItem(RemoteMenu, QStringLiteral("Quit..."), &MenuForm::quit_Click);
}

MenuForm::~MenuForm() {
    delete detailsfrm.data();
    delete systray;
    delete RemoteMenu;
}

QAction* MenuForm::addItem(QMenu* menu, const QString& caption, void (MenuForm::*handler)()) {
    QAction* item = menu->addAction(caption);
    if (!handler)
        return item;
    QObject::connect(item, &QAction::triggered, this, [this, handler] {
        // The last line of defence: a command that fails says so instead of ending the program.
        try {
            (this->*handler)();
        } catch (const AppError& error) {
            ReportError(player_, error,
                        QStringLiteral("An error occured while running the menu command."));
        }
    });
    return item;
}

void MenuForm::enablePlaybackCommands(bool enabled) {
    for (QAction* item : {details, play, pause, stop, fastforward, rewind})
        item->setEnabled(enabled);
}

void MenuForm::quit_Click() {
    VideoWindow& video = player_.video();
    SetOnTop(player_, video, false);
    video.Timer1->setEnabled(false);
    if (player_.prompts().messageBox(QStringLiteral("Are you sure you want to quit?"),
                                     MsgButtons::YesNo, MsgIcon::None,
                                     QStringLiteral("Exit")) == MsgResult::Yes) {
        player_.endProgram();
        return;
    }
    SetOnTop(player_, video, true);
    video.Timer1->setEnabled(true);
}

// The same as the panel's logo.
void MenuForm::about_Click() {
    player_.dialogs().showAbout();
}

void MenuForm::options_Click() {
    player_.dialogs().showOptions();
}

void MenuForm::showremote_Click() {
    BringBackPanel(player_);
}

void MenuForm::details_Click() {
    if (player_.engine().fileName().isEmpty())
        return;
    player_.windows.dialogOpen = true;
    if (!detailsfrm)
        detailsfrm = new DetailsForm(player_);
    detailsfrm->Show();
}

void MenuForm::rewind_Click() {
    player_.remote().run(PanelCommand::SeekBack);
}

// The caption flips on every use, whatever the player did: pausing by other means leaves it.
void MenuForm::pause_Click() {
    player_.remote().run(PanelCommand::Pause);
    pause->setText(pause->text() == QLatin1String("Pause") ? QStringLiteral("Resume")
                                                           : QStringLiteral("Pause"));
}

void MenuForm::play_Click() {
    TrappedStep(player_, kPlayFailure, [this] { PlayMedia(player_, 0); });
}

void MenuForm::stop_Click() {
    TrappedStep(player_, kStopFailure, [this] { StopMedia(player_); });
}

void MenuForm::fastforward_Click() {
    player_.remote().run(PanelCommand::SeekForward);
}

void MenuForm::fullscreen_Click() {
    ToggleFullScreen(player_);
}

void MenuForm::openfile_Click() {
    player_.remote().load_Click();
}

} // namespace kyvra

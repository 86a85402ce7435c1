#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>

namespace kyvra {

class DetailsForm;
class Player;

// Owns the two popup menus: the context menu of the panel and the video window, and the tray
// icon's menu. Never shown itself.
class MenuForm : public QObject {
public:
    explicit MenuForm(Player& player);
    ~MenuForm() override;

    QMenu* systray;
    QAction* SysQuit;

    QMenu* RemoteMenu;
    QAction* about;
    QAction* options;
    QAction* ratecontrol;
    QAction* details;
    QAction* rewind;
    QAction* pause;
    QAction* play;
    QAction* stop;
    QAction* fastforward;
    QAction* fullscreen;
    QAction* showremote;
    QAction* openfile;
    QAction* openvcd;
    QAction* quit;

    // The movie details window while it is open.
    QPointer<DetailsForm> detailsfrm;

    // Details, play, pause, stop and the two winds.
    void enablePlaybackCommands(bool enabled);

    void quit_Click();
    void ratecontrol_Click(); // RateControl.cpp
    void details_Click();

private:
    QAction* addItem(QMenu* menu, const QString& caption, void (MenuForm::*handler)());
    void SysQuit_Click() { quit_Click(); }
    void about_Click();
    void options_Click();
    void showremote_Click();
    void rewind_Click();
    void pause_Click();
    void play_Click();
    void stop_Click();
    void fastforward_Click();
    void fullscreen_Click();
    void openfile_Click();
    void openvcd_Click();

    Player& player_;
};

} // namespace kyvra

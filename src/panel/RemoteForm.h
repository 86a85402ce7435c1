#pragma once

#include "panel/PanelCommand.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Timer.h"

namespace kyvra {

class Player;
class SimpleProgress;

// The control panel: the player's main window, a skinned borderless panel of image buttons,
// labels, the zoom list and the seek bar. Controls keep the names the handlers use; each button
// picture has a hover twin named after it with "_over".
class RemoteForm : public Form {
public:
    explicit RemoteForm(Player& player);

    // Skin and title bar.
    Image* background;
    Label* titlebar;
    Label* Label3;
    Label* Label4;
    Label* Label1;     // always-on-top toggle
    Label* Label5;     // minimise to tray
    Label* cmdOptions; // options dialog
    Label* quit;
    // Main view.
    Label* status;
    Label* time;
    Label* playbackInfo;
    // Zoom view.
    Label* zoomtext;
    ComboBox* cboZoomOpt;
    // Audio view.
    Image* mute;
    Image* mutecross;
    Label* mutelabel;
    Image* volume;
    Label* volumelabel;
    Label* volstatus;
    Image* volup;
    Image* voldown;
    // Seek bar and buttons.
    SimpleProgress* progress;
    Image* back;
    Image* back_over;
    Image* play;
    Image* play_over;
    Image* pause;
    Image* pause_over;
    Image* stop_button;
    Image* stop_over;
    Image* forward;
    Image* forward_over;
    Image* load;
    Image* load_over;
    Image* kyvra;
    Image* kyvra_over;
    Image* pbview;
    Image* repeat;
    Image* repeat_over;
    Image* volpanel;
    Timer* Timer2;
    Timer* tmrKeepTime;

    // The load step; runs once, when start-up shows the panel (RemoteLoad.cpp).
    void Form_Load();
    // The quit button: stores positions and settings, then ends the program (RemoteLoad.cpp).
    void quit_Click();

    // Views (PanelViews.cpp).
    void ShowMainView();
    void HideMainView();
    void ShowZoomView();
    void HideZoomView();
    void ShowAudioView();
    void HideAudioView();
    void EnableRepeat();
    void ShowMediaButtons(bool show);
    // Puts out every lit hover twin (PanelButtons.cpp).
    void ClearHoverImages();

    // Runs one of the panel's commands, as its button does (PanelCommands.cpp).
    void run(PanelCommand command);
    // The open command (OpenCommand.cpp).
    void load_Click();

    // Status line and time display (StatusDisplay.cpp).
    void Timer2_Timer();
    void tmrKeepTime_Timer();

    // Seek bar (SeekBar.cpp).
    void progress_MouseDown(int button, int shift, float x, float y);
    void progress_MouseMove(int button, int shift, float x, float y);

    // Audio view (VolumeControl.cpp).
    void voldown_MouseDown(int button, int shift, float x, float y);
    void volup_MouseDown(int button, int shift, float x, float y);
    void mute_Click();

    // The zoom list (ZoomList.cpp) and the keyboard (PanelKeys.cpp).
    void cboZoomOpt_Click();
    void Form_KeyDown(int keyCode, int shift) override;

    Player& player() { return player_; }

    // Also where the tray icon's mouse messages arrive (PanelCommands.cpp).
    void Form_MouseMove(int button, int shift, float x, float y) override;

protected:
    void Form_MouseDown(int button, int shift, float x, float y) override;
    void Form_OLEDragDrop(const QStringList& files, int button, int shift, float x,
                          float y) override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void createControls();
    Image* makeImage(const QString& picture, float left, float top, float width, float height);
    Label* makeLabel(float left, float top, float width, float height, const QString& caption = {});

    // The buttons from their tables (PanelButtons.cpp).
    void createLabelButtons();
    void createImageButtons();

    // Each concern connects its controls' events to its handlers.
    void wireButtons(); // PanelButtons.cpp
    void wireTimers();  // StatusDisplay.cpp
    void wireSeekBar(); // SeekBar.cpp
    void wireVolume();  // VolumeControl.cpp

    // The zoom list's choice (ZoomList.cpp).
    void wireZoomList();

    // Hover twins (PanelButtons.cpp).
    void background_MouseMove();
    void restartIdleTimer();

    // The commands that take more than a step (PanelCommands.cpp).
    void toggleOnTop();
    void goToTray();
    void switchView(const QString& view);
    void disableRepeat();
    void background_MouseDown(int button);

    Player& player_;
};

} // namespace kyvra

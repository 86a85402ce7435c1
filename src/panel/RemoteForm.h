#pragma once

#include "panel/PanelCommand.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Timer.h"

#include <QStringList>
#include <functional>

namespace kyvra {

class AppError;
class MediaEngine;
class Screen;
class SimpleProgress;
class VideoWindow;

// What the panel hands to the player: the commands and handlers whose work reaches past the
// panel's own controls. The player sets every hook once, as it is built (player/PanelWiring.cpp).
struct RemoteFormEvents {
    std::function<void(PanelCommand)> command;
    std::function<void()> open;
    std::function<void()> load;
    std::function<void()> quit;
    // Closed by the window system; setting cancel keeps the panel open.
    std::function<void(bool& cancel)> close;
    // The status-restore timer and the keep-time tick.
    std::function<void()> restoreStatus;
    std::function<void()> keepTime;
    // A left press on the seek bar, at this share of its width, with media loaded.
    std::function<void(float share)> seek;
    std::function<void()> zoomChosen;
    std::function<void(int keyCode, int shift)> key;
    std::function<void(const QStringList& files)> drop;
    // A right press on the bare panel.
    std::function<void()> contextMenu;
    // The tray icon's mouse messages arrive as moves over the panel.
    std::function<void(float x)> trayMessage;
    // A step of the panel's own that the engine failed, with what to tell the user.
    std::function<void(const AppError& error, const QString& message)> failed;
    // The middle view now on show ("Main" or "Audio"), and repeat switched on.
    std::function<void(const QString& view)> viewShown;
    std::function<void()> repeatEnabled;
};

// The control panel: the player's main window, a skinned borderless panel of image buttons,
// labels, the zoom list and the seek bar. Controls keep the names the handlers use; each button
// picture has a hover twin named after it with "_over".
class RemoteForm : public Form {
public:
    RemoteForm(const Screen& screen, MediaEngine& engine, VideoWindow& video);

    RemoteFormEvents events;

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

    // The load step; runs once, when start-up shows the panel (player/PanelLoad.cpp).
    void Form_Load();
    // The quit button: stores positions and settings, then ends the program (player/PanelLoad.cpp).
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

    // Runs one of the panel's commands, as its button does (player/PanelCommands.cpp).
    void run(PanelCommand command);
    // The open command (player/OpenCommand.cpp).
    void load_Click();

    // Status line and time display (player/StatusDisplay.cpp).
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

    MediaEngine& engine() { return engine_; }

    // Also where the tray icon's mouse messages arrive (PanelKeys.cpp).
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
    void wireTimers();  // RemoteForm.cpp
    void wireSeekBar(); // SeekBar.cpp
    void wireVolume();  // VolumeControl.cpp

    // The zoom list's choice (ZoomList.cpp).
    void wireZoomList();

    // Hover twins (PanelButtons.cpp).
    void background_MouseMove();
    void restartIdleTimer();

    // Presses outside the buttons (PanelKeys.cpp).
    void background_MouseDown(int button);

    MediaEngine& engine_;
    VideoWindow& video_;
};

} // namespace kyvra

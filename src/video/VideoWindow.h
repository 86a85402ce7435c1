#pragma once

#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/TwipsGeometry.h"

#include <QPointF>
#include <array>
#include <memory>

namespace kyvra {

class Player;

// The borderless window that shows the picture. The engine's picture surface is its `videobox`.
class VideoWindow : public Form {
public:
    explicit VideoWindow(Player& player);
    ~VideoWindow() override;

    // The skinned top edge: 0 the left end, 1 the middle (stretched, running under the right
    // end), 2 the right end. Dragging it moves the window.
    std::array<Image*, 3> topedge;
    // The resize grip, kept in the bottom-right corner.
    Image* sizer;
    // The full-screen idle timer.
    Timer* Timer1;
    // Carries the chat-client link.
    Label* Label1;
    // The path of the current subtitle file.
    Label* subsfile;

    // The engine control's container: place and size in twips, and visibility.
    TwipsGeometry& videobox() { return *videobox_; }
    bool videoboxVisible() const;
    void setVideoboxVisible(bool visible);

    // Recorded on entering full screen, in twips: the window's Top, Left, Width, Height, then the
    // picture's Top, Left, Width, Height.
    std::array<qint32, 8> SavedVideoGeometry{};
    // Where the panel stood when full screen began; leaving puts it back there.
    QPointF SavedRemotePosition;
    // The idle timer has just parked the pointer: the move that causes is not the user's.
    bool IgnoreNextPointerMove = false;
    // Set by a left press on the grip; never cleared.
    bool Sizing = false;

    // Full-screen pointer handling; moves over the picture lead here too.
    void Form_MouseMove(int button, int shift, float x, float y) override;
    // The full-screen idle action.
    void Timer1_Timer();

protected:
    void Form_Resize() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseDown(int button, int shift, float x, float y) override;
    void Form_OLEDragDrop(const QStringList& files, int button, int shift, float x,
                          float y) override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void Form_Load();
    void createControls();
    void wireEngine();

    void topedge_MouseDown(int index, int button, int shift, float x, float y);
    void sizer_MouseDown(int button, int shift, float x, float y);
    void sizer_MouseMove(int button, int shift, float x, float y);
    void sizer_MouseUp(int button, int shift, float x, float y);
    void resetToPictureSize();

    // The engine control's events, positions already in the control's twips.
    void videobox_MouseDown(int button, int shift, float x, float y);
    void videobox_MouseMove(int button, int shift, float x, float y);
    void videobox_GotFocus();
    void restartIdleTimer();

    // The engine's media events (MediaEvents.cpp).
    void wireMediaEvents();
    void videobox_NewStream();
    void videobox_EndOfStream(int result);
    void videobox_PlayStateChange(int oldState, int newState);
    void videobox_Error();

    Player& player_;
    QWidget* surface_;
    std::unique_ptr<TwipsGeometry> videobox_;
};

} // namespace kyvra

#pragma once

#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/TwipsControl.h"
#include "platform/TwipsGeometry.h"

#include <QPointF>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

namespace kyvra {

class AppError;
class MediaEngine;

// What the window leaves to the program, which sets these when it builds the window. One not
// set does nothing.
struct VideoWindowEvents {
    std::function<void(int keyCode, int shift)> keyDown;
    std::function<void(const QStringList& files)> filesDropped;
    // The user closes the window; setting `cancel` keeps it open.
    std::function<void(bool& cancel)> queryUnload;
    // Presses and moves over the window, in its twips.
    MouseHandler mouseDown;
    MouseHandler mouseMove;
    // Presses and moves over the picture, in the picture's twips.
    MouseHandler pictureMouseDown;
    MouseHandler pictureMouseMove;
    // The window took a new size: the picture is to fill it again.
    std::function<void()> fitPicture;
    // Resizing with the grip failed; the window then goes back to the picture's own size.
    std::function<void(const AppError& error)> resizeFailed;
};

// The borderless window that shows the picture. The engine's picture surface is its `videobox`.
class VideoWindow : public Form {
public:
    VideoWindow(const Screen& screen, MediaEngine& engine);
    ~VideoWindow() override;

    VideoWindowEvents events;

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

    void Form_MouseMove(int button, int shift, float x, float y) override;
    // Starts the full-screen idle time over.
    void restartIdleTimer();

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
    void fitPicture();

    void topedge_MouseDown(int index, int button, int shift, float x, float y);
    void sizer_MouseDown(int button, int shift, float x, float y);
    void sizer_MouseMove(int button, int shift, float x, float y);
    void sizer_MouseUp(int button, int shift, float x, float y);
    void resetToPictureSize();

    MediaEngine& engine_;
    QWidget* surface_;
    std::unique_ptr<TwipsGeometry> videobox_;
};

} // namespace kyvra

#pragma once

#include <QMetaObject>

class QWidget;
struct mpv_render_context;

namespace kyvra {

// A widget that shows mpv's picture through a render context of its own. mpv gives a file no
// video output when it opens without a render context, and a render context must go before
// the core does.
class MpvRenderTarget {
public:
    virtual ~MpvRenderTarget() = default;

    // Creates the render context now if the widget has not yet done so (it may still be hidden).
    virtual void prepareForLoad() = 0;

    // Frees the render context for good; the core is about to be destroyed.
    virtual void detach() = 0;

    // The media is closed: drop what holds its last picture.
    virtual void releaseFrame() = 0;

    // mpv has a new frame: paint it, or pass it by when nothing is shown.
    virtual void frameReady() = 0;
};

// mpv's render update callback. It runs on one of mpv's threads, so it only queues frameReady()
// of the Surface passed as its context to the GUI thread.
template <typename Surface> void queueFrameReady(void* surface) {
    QMetaObject::invokeMethod(static_cast<Surface*>(surface), &Surface::frameReady,
                              Qt::QueuedConnection);
}

// Whether the widget is on screen, so that a repaint will reach the renderer.
bool isShownOnScreen(const QWidget* widget);

// Consumes the next frame without drawing it. mpv waits for every frame to be rendered (up to a
// fifth of a second each), so a hidden picture would slow playback down without this.
void skipFrame(mpv_render_context* render);

} // namespace kyvra

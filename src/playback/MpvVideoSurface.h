#pragma once

#include "playback/MpvRenderTarget.h"
#include "playback/PicturePath.h"
#include "playback/RenderLoop.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPointer>
#include <QRegion>
#include <QWindow>
#include <memory>
#include <mutex>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// The picture drawn by mpv's OpenGL renderer straight into a native window of its own, which a
// window container places in the picture's widget. Drawing into the window's own framebuffer
// spares the offscreen framebuffer and the composition of every frame into the widget window
// that an OpenGL widget costs; on a software rasterizer those were as dear as mpv's own work.
// The window takes no input: presses, moves and drops reach the widgets under it. Frames are
// drawn and swapped on the render loop's thread, where the context lives.
class MpvVideoSurface final : public QWindow, public MpvRenderTarget {
    Q_OBJECT

public:
    // Whether OpenGL can be had here, and on what: creates a context, which loads the driver.
    static OpenGlSupport probe();

    explicit MpvVideoSurface(mpv_handle* mpv);
    ~MpvVideoSurface() override;

    // The widget that holds this window; what lies above it in its window stays uncovered.
    void setContainer(QWidget* container) { container_ = container; }

    void detach() override;
    // The framebuffer is the window's own and lives with the driver.
    void releaseFrame() override {}

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawFrame();
    void freeRenderer();
    void followWindow();
    void uncoverWidgetsAbove();

    mpv_render_context* render_ = nullptr;
    QOpenGLContext context_;
    // Current while there is no window to draw into: creating and freeing the renderer.
    QOffscreenSurface idleSurface_;
    std::unique_ptr<RenderLoop> loop_;
    // What the loop draws into, as the GUI thread last saw the window.
    std::mutex mutex_;
    QSize pixels_;
    bool exposed_ = false;
    QPointer<QWidget> container_;
    QRegion mask_;
};

} // namespace kyvra

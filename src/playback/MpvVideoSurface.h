#pragma once

#include "playback/NativePictureWindow.h"
#include "playback/PicturePath.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// The picture drawn by mpv's OpenGL renderer into the window's own framebuffer. Drawing there
// spares the offscreen framebuffer and the composition of every frame into the widget window
// that an OpenGL widget costs; on a software rasterizer those were as dear as mpv's own work.
// Frames are drawn and swapped on the render loop's thread, where the context lives.
class MpvVideoSurface final : public NativePictureWindow {
public:
    // Whether OpenGL can be had here, and on what: creates a context, which loads the driver.
    static OpenGlSupport probe();

    explicit MpvVideoSurface(mpv_handle* mpv);
    ~MpvVideoSurface() override;

    // The framebuffer is the window's own and lives with the driver.
    void releaseFrame() override {}

private:
    void drawFrame();
    void freeRenderer();

    mpv_render_context* render_ = nullptr;
    QOpenGLContext context_;
    // Current while there is no window to draw into: creating and freeing the renderer.
    QOffscreenSurface idleSurface_;
};

} // namespace kyvra

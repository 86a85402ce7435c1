#pragma once

#include "playback/MpvRenderTarget.h"
#include "playback/PicturePath.h"

#include <QOpenGLWidget>
#include <cstdint>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// The picture drawn by mpv's OpenGL renderer into the widget's framebuffer.
class MpvVideoSurface final : public QOpenGLWidget, public MpvRenderTarget {
    Q_OBJECT

public:
    // Whether OpenGL can be had here, and on what: creates a context, which loads the driver.
    static OpenGlSupport probe();

    explicit MpvVideoSurface(mpv_handle* mpv, QWidget* parent = nullptr);
    ~MpvVideoSurface() override;

    void prepareForLoad() override;
    void detach() override;
    // The framebuffer is Qt's, sized to the widget, and lives with the driver.
    void releaseFrame() override {}
    void frameReady() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void contextAboutToBeDestroyed();
    void freeRenderContext();

    mpv_handle* mpv_;
    mpv_render_context* render_ = nullptr;
    // The video track to select again once a lost GL context has been replaced.
    std::int64_t videoTrackToRestore_ = 0;
};

} // namespace kyvra

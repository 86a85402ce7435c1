#include "playback/MpvVideoSurface.h"

#include "playback/MpvProperties.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <mpv/render_gl.h>

namespace kyvra {

namespace {

void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

} // namespace

OpenGlSupport MpvVideoSurface::probe() {
    QOpenGLContext context;
    QOffscreenSurface surface;
    if (!context.create())
        return {};
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface))
        return {};
    const QByteArray renderer(
        reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    context.doneCurrent();
    return {true, !isSoftwareRenderer(renderer)};
}

MpvVideoSurface::MpvVideoSurface(mpv_handle* mpv, QWidget* parent)
    : QOpenGLWidget(parent), mpv_(mpv) {
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        if (render_)
            mpv_render_context_report_swap(render_);
    });
}

MpvVideoSurface::~MpvVideoSurface() {
    if (QOpenGLContext* current = context())
        disconnect(current, nullptr, this, nullptr);
    freeRenderContext();
}

void MpvVideoSurface::prepareForLoad() {
    // Qt creates the GL context on first show; grabbing the framebuffer creates it at once. The
    // window must exist first, or the context cannot share with it and stays black once shown.
    if (!render_ && mpv_) {
        window()->winId();
        grabFramebuffer();
    }
}

void MpvVideoSurface::detach() {
    freeRenderContext();
    mpv_ = nullptr;
}

void MpvVideoSurface::frameReady() {
    if (isShownOnScreen(this)) {
        update();
    } else if (render_) {
        makeCurrent();
        skipFrame(render_);
        doneCurrent();
    }
}

void MpvVideoSurface::initializeGL() {
    // Moving the widget to another window replaces its GL context (and calls this again).
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
            &MpvVideoSurface::contextAboutToBeDestroyed);
    if (!mpv_)
        return;

    mpv_opengl_init_params glInit{&procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        params[2] = {MPV_RENDER_PARAM_X11_DISPLAY, x11->display()};
    if (mpv_render_context_create(&render_, mpv_, params) < 0) {
        render_ = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(render_, &queueFrameReady<MpvVideoSurface>, this);

    if (videoTrackToRestore_ > 0) {
        try {
            mpv::setInt(mpv_, "vid", videoTrackToRestore_);
        } catch (const AppError&) {
            // The media has gone meanwhile: nothing to bring back.
        }
        videoTrackToRestore_ = 0;
    }
}

void MpvVideoSurface::paintGL() {
    if (!render_)
        return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()), qRound(width() * ratio),
                       qRound(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_, params);
}

void MpvVideoSurface::contextAboutToBeDestroyed() {
    // Freeing the render context takes the video track away from the playing media.
    if (render_)
        videoTrackToRestore_ = mpv::getInt(mpv_, "vid").value_or(0);
    freeRenderContext();
}

void MpvVideoSurface::freeRenderContext() {
    if (!render_)
        return;
    makeCurrent();
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    mpv_render_context_free(render_);
    render_ = nullptr;
    doneCurrent();
}

} // namespace kyvra

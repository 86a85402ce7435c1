#include "playback/MpvVideoSurface.h"

#include <QGuiApplication>
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

MpvVideoSurface::MpvVideoSurface(mpv_handle* mpv) : NativePictureWindow(OpenGLSurface) {
    if (!context_.create())
        return;
    idleSurface_.setFormat(context_.format());
    idleSurface_.create();
    if (!context_.makeCurrent(&idleSurface_))
        return;
    mpv_opengl_init_params glInit{&procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    // With the display, mpv can take frames decoded on the GPU without a copy.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        params[2] = {MPV_RENDER_PARAM_X11_DISPLAY, x11->display()};
    const bool created = mpv_render_context_create(&render_, mpv, params) >= 0;
    context_.doneCurrent();
    if (!created) {
        render_ = nullptr;
        return;
    }
    loop_ = std::make_unique<RenderLoop>(
        render_, [this] { drawFrame(); }, [this] { freeRenderer(); });
    context_.moveToThread(loop_->thread());
    loop_->start();
}

MpvVideoSurface::~MpvVideoSurface() {
    detach();
}

// On the loop's thread, last: the context goes back to the GUI thread, which destroys it.
void MpvVideoSurface::freeRenderer() {
    context_.makeCurrent(&idleSurface_);
    mpv_render_context_free(render_);
    render_ = nullptr;
    context_.doneCurrent();
    context_.moveToThread(qGuiApp->thread());
}

// On the loop's thread.
void MpvVideoSurface::drawFrame() {
    const std::lock_guard lock(mutex_);
    if (!exposed_ || pixels_.isEmpty() || !context_.makeCurrent(this)) {
        context_.makeCurrent(&idleSurface_);
        skipFrame(render_);
        context_.doneCurrent();
        return;
    }
    mpv_opengl_fbo fbo{static_cast<int>(context_.defaultFramebufferObject()), pixels_.width(),
                       pixels_.height(), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_, params);
    context_.swapBuffers(this);
    mpv_render_context_report_swap(render_);
}

} // namespace kyvra

#include "playback/MpvVideoSurface.h"

#include <QGuiApplication>
#include <QOpenGLFunctions>
#include <QPlatformSurfaceEvent>
#include <QWidget>
#include <mpv/render_gl.h>

namespace kyvra {

namespace {

void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

// The part of widget not covered by the visible widgets stacked above it within its window, in
// the widget's coordinates: the grip in the corner lies over the picture.
QRegion uncoveredPart(const QWidget& widget) {
    QRegion uncovered(widget.rect());
    for (const QWidget* below = &widget; below && !below->isWindow();
         below = below->parentWidget()) {
        const QObjectList& siblings = below->parentWidget()->children();
        for (qsizetype index = siblings.indexOf(below) + 1; index < siblings.size(); ++index) {
            const auto* above = qobject_cast<const QWidget*>(siblings[index]);
            if (above && !above->isWindow() && above->isVisible())
                uncovered -=
                    QRect(widget.mapFrom(above->parentWidget(), above->pos()), above->size());
        }
    }
    return uncovered;
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

MpvVideoSurface::MpvVideoSurface(mpv_handle* mpv) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowTransparentForInput);
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

void MpvVideoSurface::detach() {
    loop_.reset();
}

// On the loop's thread, last: the context goes back to the GUI thread, which destroys it.
void MpvVideoSurface::freeRenderer() {
    context_.makeCurrent(&idleSurface_);
    mpv_render_context_free(render_);
    render_ = nullptr;
    context_.doneCurrent();
    context_.moveToThread(qGuiApp->thread());
}

// The native window is destroyed (and perhaps made again) when the container changes windows;
// the loop must not draw into it meanwhile.
bool MpvVideoSurface::event(QEvent* event) {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        const std::lock_guard lock(mutex_);
        exposed_ = false;
    }
    return QWindow::event(event);
}

void MpvVideoSurface::exposeEvent(QExposeEvent*) {
    followWindow();
}

void MpvVideoSurface::resizeEvent(QResizeEvent*) {
    followWindow();
}

void MpvVideoSurface::followWindow() {
    {
        const std::lock_guard lock(mutex_);
        exposed_ = isExposed();
        pixels_ = size() * devicePixelRatio();
    }
    uncoverWidgetsAbove();
    if (loop_ && isExposed())
        loop_->requestRedraw();
}

// On the loop's thread.
void MpvVideoSurface::drawFrame() {
    // Held throughout, so that the window cannot go while it is drawn into.
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

// A native window hides whatever its parent draws beneath it, so it is cut around the widgets
// meant to lie over the picture.
void MpvVideoSurface::uncoverWidgetsAbove() {
    if (!container_)
        return;
    QRegion uncovered = uncoveredPart(*container_);
    if (uncovered == QRegion(container_->rect()))
        uncovered = QRegion();
    if (uncovered != mask_) {
        mask_ = uncovered;
        setMask(mask_);
    }
}

} // namespace kyvra

#include "playback/MpvSoftwareSurface.h"

#include <QPainter>
#include <mpv/render.h>

namespace kyvra {

MpvSoftwareSurface::MpvSoftwareSurface(mpv_handle* mpv, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&render_, mpv, params) < 0)
        render_ = nullptr;
    else
        mpv_render_context_set_update_callback(render_, &queueFrameReady<MpvSoftwareSurface>, this);
}

MpvSoftwareSurface::~MpvSoftwareSurface() {
    detach();
}

void MpvSoftwareSurface::detach() {
    if (!render_)
        return;
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    mpv_render_context_free(render_);
    render_ = nullptr;
}

void MpvSoftwareSurface::frameReady() {
    if (isShownOnScreen(this))
        update();
    else if (render_)
        skipFrame(render_);
}

namespace {

// QImage::Format_RGB32 in memory order, as mpv names it.
constexpr const char* kFrameFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "bgr0" : "0rgb";

} // namespace

void MpvSoftwareSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize size(qRound(width() * ratio), qRound(height() * ratio));
    if (!render_ || size.isEmpty()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // The window's own format (32-bit, X first in the word): drawing it is a plain copy, where
    // any other format is converted pixel by pixel on every frame.
    if (frame_.size() != size) {
        frame_ = QImage(size, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
    }
    int frameSize[] = {size.width(), size.height()};
    size_t stride = frame_.bytesPerLine();
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, frameSize},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>(kFrameFormat)},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, frame_.bits()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(render_, params) < 0)
        frame_.fill(Qt::black);
    painter.drawImage(0, 0, frame_);
}

} // namespace kyvra

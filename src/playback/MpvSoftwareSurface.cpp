#include "playback/MpvSoftwareSurface.h"

#include <QPainter>
#include <mpv/render.h>

namespace kyvra {

namespace {

// QImage::Format_RGB32 in memory order, as mpv names it.
constexpr const char* kFrameFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "bgr0" : "0rgb";

} // namespace

MpvSoftwareSurface::MpvSoftwareSurface(mpv_handle* mpv, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    loop_ = startSoftwareRenderer(mpv, render_, [this] { drawFrame(); });
}

MpvSoftwareSurface::~MpvSoftwareSurface() {
    detach();
}

void MpvSoftwareSurface::detach() {
    loop_.reset();
}

void MpvSoftwareSurface::releaseFrame() {
    const std::lock_guard lock(mutex_);
    frame_ = QImage();
}

// On the loop's thread.
void MpvSoftwareSurface::drawFrame() {
    const std::lock_guard lock(mutex_);
    if (!shown_ || wanted_.isEmpty()) {
        skipFrame(render_);
        return;
    }
    // The window's own format (32-bit, X first in the word): painting it is a plain copy, where
    // any other format is converted pixel by pixel on every frame.
    if (frame_.size() != wanted_) {
        frame_ = QImage(wanted_, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio_);
    }
    int frameSize[] = {wanted_.width(), wanted_.height()};
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
    QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

void MpvSoftwareSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::lock_guard lock(mutex_);
    if (frame_.isNull())
        painter.fillRect(rect(), Qt::black);
    else if (frame_.deviceIndependentSize() == QSizeF(size()))
        painter.drawImage(0, 0, frame_);
    else // resized, until the next frame comes in the new size
        painter.drawImage(rect(), frame_);
}

void MpvSoftwareSurface::resizeEvent(QResizeEvent*) {
    {
        const std::lock_guard lock(mutex_);
        ratio_ = devicePixelRatioF();
        wanted_ = QSize(qRound(width() * ratio_), qRound(height() * ratio_));
    }
    if (loop_)
        loop_->requestRedraw();
}

void MpvSoftwareSurface::showEvent(QShowEvent*) {
    setShown(true);
}

void MpvSoftwareSurface::hideEvent(QHideEvent*) {
    setShown(false);
}

// A hidden picture passes its frames by unseen.
void MpvSoftwareSurface::setShown(bool shown) {
    {
        const std::lock_guard lock(mutex_);
        shown_ = shown;
    }
    if (shown && loop_)
        loop_->requestRedraw();
}

} // namespace kyvra

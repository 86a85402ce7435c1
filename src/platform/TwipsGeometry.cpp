#include "platform/TwipsGeometry.h"

#include "platform/Screen.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kyvra {

namespace {
// Half to even, and clamped so absurd twips values cannot overflow Qt's integer geometry.
int toPixels(float twips, float twipsPerPixel) {
    const double pixels = std::nearbyint(double(twips) / twipsPerPixel);
    if (std::isnan(pixels))
        return 0;
    return int(std::clamp(pixels, -1.0e6, 1.0e6));
}
} // namespace

TwipsGeometry::TwipsGeometry(QWidget& widget, const Screen& screen)
    : widget_(widget), screen_(screen) {
    left_ = widget.x() * screen.twipsPerPixelX();
    top_ = widget.y() * screen.twipsPerPixelY();
    width_ = widget.width() * screen.twipsPerPixelX();
    height_ = widget.height() * screen.twipsPerPixelY();
}

int TwipsGeometry::pixelsX(float twips) const {
    return toPixels(twips, screen_.twipsPerPixelX());
}

int TwipsGeometry::pixelsY(float twips) const {
    return toPixels(twips, screen_.twipsPerPixelY());
}

void TwipsGeometry::setLeft(float value) {
    left_ = value;
    apply();
}

void TwipsGeometry::setTop(float value) {
    top_ = value;
    apply();
}

void TwipsGeometry::setWidth(float value) {
    width_ = value;
    apply();
}

void TwipsGeometry::setHeight(float value) {
    height_ = value;
    apply();
}

void TwipsGeometry::setBounds(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void TwipsGeometry::apply() {
    applying_ = true;
    const QPoint position(pixelsX(left_), pixelsY(top_));
    const QSize size(std::max(0, pixelsX(width_)), std::max(0, pixelsY(height_)));
    if (widget_.isWindow()) {
        widget_.move(position);
        widget_.resize(size);
    } else {
        widget_.setGeometry(QRect(position, size));
    }
    applying_ = false;
}

void TwipsGeometry::followWidgetPosition() {
    if (applying_)
        return;
    const QPoint position = widget_.pos();
    if (position.x() != pixelsX(left_))
        left_ = position.x() * screen_.twipsPerPixelX();
    if (position.y() != pixelsY(top_))
        top_ = position.y() * screen_.twipsPerPixelY();
}

void TwipsGeometry::followWidgetSize() {
    if (applying_)
        return;
    const QSize size = widget_.size();
    if (size.width() != std::max(0, pixelsX(width_)))
        width_ = size.width() * screen_.twipsPerPixelX();
    if (size.height() != std::max(0, pixelsY(height_)))
        height_ = size.height() * screen_.twipsPerPixelY();
}

} // namespace kyvra

#include "platform/Image.h"

#include <QPainter>

namespace kyvra {

Image::Image(QWidget* parent, const Screen& screen) : TwipsControl<QWidget>(parent, screen) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Image::setPicture(const QString& path) {
    path_ = path;
    bitmap_ = QPixmap();
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        svg_.load(path);
    else
        bitmap_.load(path);
    update();
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!bitmap_.isNull())
        painter.drawPixmap(rect(), bitmap_);
    else if (svg_.isValid())
        svg_.render(&painter, QRectF(rect()));
}

} // namespace kyvra

#include "platform/Image.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace kyvra {

namespace {

QPixmap renderPicture(const QString& path, QSize size) {
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(path);
        if (!svg.isValid())
            return {};
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        svg.render(&painter);
        return picture;
    }
    // Decoded straight to the size shown, never whole.
    QImageReader reader(path);
    reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

QPixmap renderPicture(const QString& path, QSize size, qreal ratio) {
    QPixmap picture = renderPicture(path, size);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

Image::Image(QWidget* parent, const Screen& screen) : TwipsControl<QWidget>(parent, screen) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Image::setPicture(const QString& path) {
    path_ = path;
    shown_ = QPixmap();
    update();
}

QPixmap Image::shown() {
    const qreal ratio = devicePixelRatioF();
    const QSize size(qRound(width() * ratio), qRound(height() * ratio));
    if (path_.isEmpty() || size.isEmpty())
        return {};
    if (shown_.size() == size)
        return shown_;
    const QString key = QStringLiteral("kyvra-image:%1@%2x%3/%4")
                            .arg(path_)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    if (!QPixmapCache::find(key, &shown_)) {
        shown_ = renderPicture(path_, size, ratio);
        QPixmapCache::insert(key, shown_);
    }
    return shown_;
}

void Image::paintEvent(QPaintEvent*) {
    const QPixmap picture = shown();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}

} // namespace kyvra

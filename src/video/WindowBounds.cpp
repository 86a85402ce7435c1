#include "video/WindowBounds.h"

#include "platform/Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kyvra {

namespace {

const QScreen* screenOf(const Form& window) {
    const QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    return screen ? screen : window.QWidget::screen();
}

QRectF inTwips(const QRect& pixels, const Screen& twips) {
    const double tx = twips.twipsPerPixelX();
    const double ty = twips.twipsPerPixelY();
    return QRectF(pixels.x() * tx, pixels.y() * ty, pixels.width() * tx, pixels.height() * ty);
}

} // namespace

QRectF availableArea(const Form& window) {
    const Screen& twips = window.screen();
    const QScreen* screen = screenOf(window);
    if (!screen)
        return QRectF(0, 0, twips.width(), twips.height());
    return inTwips(screen->availableGeometry(), twips);
}

QRect screenPixels(const Form& window) {
    const QScreen* screen = screenOf(window);
    if (!screen || screen == QGuiApplication::primaryScreen())
        return QRect(screen ? screen->geometry().topLeft() : QPoint(), window.screen().pixelSize());
    return screen->geometry();
}

QRectF screenArea(const Form& window) {
    return inTwips(screenPixels(window), window.screen());
}

QSizeF fitPictureWithin(QSizeF picture, double extraHeight, QSizeF area) {
    if (picture.isEmpty())
        return picture;
    const double roomHeight = std::max(area.height() - extraHeight, 1.0);
    const double scale =
        std::min({1.0, area.width() / picture.width(), roomHeight / picture.height()});
    return picture * scale;
}

QSizeF growPictureTo(QSizeF picture, QSizeF least) {
    if (picture.isEmpty())
        return picture;
    return picture *
           std::max({1.0, least.width() / picture.width(), least.height() / picture.height()});
}

void keepOnScreen(Form& window) {
    const QRectF area = availableArea(window);
    const double left =
        std::max(area.left(), std::min<double>(window.Left(), area.right() - window.Width()));
    const double top =
        std::max(area.top(), std::min<double>(window.Top(), area.bottom() - window.Height()));
    if (left != window.Left())
        window.setLeft(float(left));
    if (top != window.Top())
        window.setTop(float(top));
}

} // namespace kyvra

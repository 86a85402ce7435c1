#include "video/WindowBounds.h"

#include "platform/Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kyvra {

QRectF availableArea(const Form& window) {
    const Screen& twips = window.screen();
    const QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = window.QWidget::screen();
    if (!screen)
        return QRectF(0, 0, twips.width(), twips.height());
    const QRect area = screen->availableGeometry();
    const double tx = twips.twipsPerPixelX();
    const double ty = twips.twipsPerPixelY();
    return QRectF(area.x() * tx, area.y() * ty, area.width() * tx, area.height() * ty);
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

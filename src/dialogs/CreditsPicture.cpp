#include "dialogs/CreditsPicture.h"

#include "core/Rounding.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kyvra {

CreditsPicture::CreditsPicture(QWidget* parent, const Screen& screen)
    : TwipsControl<QWidget>(parent, screen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CreditsPicture::paintGradient() {
    const qreal ratio = devicePixelRatioF();
    background_ = QPixmap((QSizeF(size()) * ratio).toSize());
    background_.setDevicePixelRatio(ratio);
    background_.fill(Qt::black);
    QPainter painter(&background_);
    painter.scale(1 / screen().twipsPerPixelX(), 1 / screen().twipsPerPixelY());
    const int height = int(Height());
    const int width = int(Width());
    if (height <= 0)
        return;
    double blue = 255.0;
    const double stepPerBand = -12750.0 / height;
    for (int y = 0; y <= height; y += 50) {
        const int level = int(std::clamp(roundHalfEven(blue), 0.0, 255.0));
        painter.fillRect(QRectF(-1, y - 1, width + 1, 51), QColor(0, 0, level));
        blue += stepPerBand;
    }
    update();
}

QFont CreditsPicture::blockFont(int fontSize) const {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(fontSize);
    return font;
}

float CreditsPicture::textHeight(const QString& text, int fontSize) const {
    const QFontMetricsF metrics(blockFont(fontSize), this);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width(), 1e6), Qt::AlignHCenter, text);
    return float(std::ceil(bounds.height())) * screen().twipsPerPixelY();
}

QRect CreditsPicture::blockRect(const CreditBlock& block) const {
    const float perPixel = screen().twipsPerPixelY();
    const int top = int(std::floor(block.top / perPixel));
    const int bottom = int(std::ceil((block.top + block.height) / perPixel));
    return QRect(0, top, width(), bottom - top + 1);
}

void CreditsPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    if (!roll_)
        return;
    for (const CreditBlock& block : roll_->blocks()) {
        const QRect area = blockRect(block);
        if (!area.intersects(event->rect()))
            continue;
        painter.setFont(blockFont(block.fontSize));
        painter.setPen(QColor(block.colour));
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, block.text);
    }
}

} // namespace kyvra

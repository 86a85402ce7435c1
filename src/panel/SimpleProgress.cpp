#include "panel/SimpleProgress.h"

#include "core/AppError.h"
#include "core/Rounding.h"

#include <QPainter>

namespace kyvra {

namespace {

const QString kBackColor = QStringLiteral("BackColor");
const QString kBarColor = QStringLiteral("BarColor");
const QString kMax = QStringLiteral("max");
const QString kValue = QStringLiteral("Value");
const QString kBorder = QStringLiteral("border");

const QColor kDefaultBarColor = Qt::black;
constexpr qint16 kDefaultMax = 100;

// A saved back colour defaults to the system's button face.
QColor defaultBackColor() {
    return QPalette().color(QPalette::Button);
}

QColor colorEntry(const QVariantMap& properties, const QString& name, const QColor& fallback) {
    const QColor color = properties.value(name).value<QColor>();
    return color.isValid() ? color : fallback;
}

// Whole numbers round as the program's conversions do; text that is no number, or a number
// beyond 16 bits, reads as the default.
qint16 int16Entry(const QVariantMap& properties, const QString& name, qint16 fallback) {
    bool ok = false;
    const double number = properties.value(name).toDouble(&ok);
    if (!ok)
        return fallback;
    return int16Within(number).value_or(fallback);
}

} // namespace

SimpleProgress::SimpleProgress(QWidget* parent, const Screen& screen)
    : TwipsControl<QWidget>(parent, screen) {
    RedrawBar();
}

void SimpleProgress::setValue(qint16 value) {
    value_ = value;
    if (value > max_)
        value_ = max_;
    if (value < 0)
        value_ = 0;
    RedrawBar();
}

void SimpleProgress::setMax(qint16 max) {
    max_ = max;
}

void SimpleProgress::setBarColor(const QColor& color) {
    barColor_ = color;
    RedrawBar();
}

void SimpleProgress::setBackColor(const QColor& color) {
    pictureBack_ = color;
    update();
    RedrawBar();
}

void SimpleProgress::setBorder(qint16 border) {
    if (border == 0 || border == 1) {
        pictureBorder_ = border;
        border_ = border;
        update();
    }
    RedrawBar();
}

void SimpleProgress::RedrawBar() {
    if (value_ <= 0) {
        drawnBar_ = 0;
        update();
        return;
    }
    if (max_ == 0)
        return;
    // A bar wider than 16 bits of twips is not drawn: the picture stays as it was.
    const std::optional<qint16> bar = int16Within(double(value_) / max_ * Width());
    if (!bar)
        return;
    drawnBar_ = *bar;
    drawnColor_ = barColor_;
    update();
}

void SimpleProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), pictureBack_);
    // A single-line border takes one pixel from each side of the picture's drawing area.
    const QRect inside = pictureBorder_ == 1 ? rect().adjusted(1, 1, -1, -1) : rect();
    const int barPixels = int(roundHalfEven(drawnBar_ / double(screen().twipsPerPixelX())));
    if (barPixels > 0) {
        painter.setClipRect(inside);
        painter.fillRect(QRect(inside.topLeft(), QSize(barPixels, inside.height())), drawnColor_);
        painter.setClipping(false);
    }
    if (pictureBorder_ == 1) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QVariantMap SimpleProgress::saveProperties() const {
    QVariantMap properties;
    if (pictureBack_ != defaultBackColor())
        properties.insert(kBackColor, pictureBack_);
    if (barColor_ != kDefaultBarColor)
        properties.insert(kBarColor, barColor_);
    if (max_ != kDefaultMax)
        properties.insert(kMax, max_);
    if (value_ != 0)
        properties.insert(kValue, value_);
    if (border_ != 0)
        properties.insert(kBorder, border_);
    return properties;
}

void SimpleProgress::readProperties(const QVariantMap& properties) {
    pictureBack_ = colorEntry(properties, kBackColor, defaultBackColor());
    update();
    barColor_ = colorEntry(properties, kBarColor, kDefaultBarColor);
    max_ = int16Entry(properties, kMax, kDefaultMax);
    value_ = int16Entry(properties, kValue, 0);
    border_ = int16Entry(properties, kBorder, 0);
}

} // namespace kyvra

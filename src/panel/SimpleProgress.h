#pragma once

#include "platform/TwipsControl.h"

#include <QColor>
#include <QVariantMap>

namespace kyvra {

// The seek bar control: a bar value/max of the width long in BarColor over BackColor. The
// control is one inner picture; the bar is drawn on it and stays as drawn until the next
// successful RedrawBar. Presses and moves are raised through `events` with positions in twips
// inside the bar.
class SimpleProgress : public TwipsControl<QWidget> {
public:
    SimpleProgress(QWidget* parent, const Screen& screen);

    // Clamped to max first, then to 0, and repainted.
    qint16 value() const { return value_; }
    void setValue(qint16 value);
    // Not repainted: the bar follows on the next value.
    qint16 max() const { return max_; }
    void setMax(qint16 max);
    QColor BarColor() const { return barColor_; }
    void setBarColor(const QColor& color);
    // The inner picture's background.
    QColor BackColor() const { return pictureBack_; }
    void setBackColor(const QColor& color);
    // 0 none, 1 single line; any other value is ignored.
    qint16 border() const { return border_; }
    void setBorder(qint16 border);

    // Draws the bar for the current value; a bar that cannot be computed (max 0, or longer than
    // a 16-bit width) leaves the picture as it was.
    void RedrawBar();

    // The saved property set: "BackColor", "BarColor", "max", "Value", "border", each written
    // only when it differs from its default.
    QVariantMap saveProperties() const;
    // Missing or unusable entries read as their defaults. Only the back colour reaches the
    // picture at once; the rest wait in the properties for their next use.
    void readProperties(const QVariantMap& properties);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The properties.
    qint16 value_ = 0;
    qint16 max_ = 100;
    QColor barColor_ = Qt::black;
    qint16 border_ = 0;
    // The inner picture: its background, its border and the bar drawn on it (width in twips).
    QColor pictureBack_ = Qt::black;
    qint16 pictureBorder_ = 0;
    qint16 drawnBar_ = 0;
    QColor drawnColor_ = Qt::black;
};

} // namespace kyvra

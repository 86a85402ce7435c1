#pragma once

class QWidget;

namespace kyvra {

class Screen;

// Left, Top, Width and Height kept in twips as single-precision numbers, the way the program reads
// them back, and shown as whole pixels. When the window system moves or resizes the widget, the
// stored twips follow; otherwise they are kept exactly as set, so no rounding drift accumulates.
class TwipsGeometry {
public:
    TwipsGeometry(QWidget& widget, const Screen& screen);

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }

    void setLeft(float value);
    void setTop(float value);
    void setWidth(float value);
    void setHeight(float value);
    void setBounds(float left, float top, float width, float height);

    // To be called from the widget's move and resize events.
    void followWidgetPosition();
    void followWidgetSize();

private:
    void apply();
    int pixelsX(float twips) const;
    int pixelsY(float twips) const;

    QWidget& widget_;
    const Screen& screen_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    bool applying_ = false;
};

} // namespace kyvra

#pragma once

#include "platform/TwipsGeometry.h"

namespace kyvra {

// The Left, Top, Width and Height properties that forms and controls share, in twips.
class TwipsPlacement {
public:
    float Left() const { return geometry_.left(); }
    float Top() const { return geometry_.top(); }
    float Width() const { return geometry_.width(); }
    float Height() const { return geometry_.height(); }
    void setLeft(float value) { geometry_.setLeft(value); }
    void setTop(float value) { geometry_.setTop(value); }
    void setWidth(float value) { geometry_.setWidth(value); }
    void setHeight(float value) { geometry_.setHeight(value); }
    void Move(float left, float top, float width, float height) {
        geometry_.setBounds(left, top, width, height);
    }

protected:
    TwipsPlacement(QWidget& widget, const Screen& screen) : geometry_(widget, screen) {}

    TwipsGeometry geometry_;
};

} // namespace kyvra

#pragma once

#include "platform/InputCodes.h"
#include "platform/Screen.h"
#include "platform/TwipsPlacement.h"

#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace kyvra {

// What a control reports to the form's handlers: button 1 left, 2 right; shift 1/2/4; the position
// in the control's own twips.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

struct ControlEvents {
    MouseHandler mouseDown;
    MouseHandler mouseMove;
    MouseHandler mouseUp;
    std::function<void()> click;
    std::function<void()> dblClick;
};

// A Qt widget placed in twips that raises the form layer's mouse events. The events stop at the
// control, as they do for the form layer's controls, instead of reaching the form behind it.
template <class Widget> class TwipsControl : public Widget, public TwipsPlacement {
public:
    TwipsControl(QWidget* parent, const Screen& screen)
        : Widget(parent), TwipsPlacement(*this, screen), screen_(screen) {
        this->setMouseTracking(true);
    }

    ControlEvents events;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        Widget::mousePressEvent(event);
        event->accept();
        pressedInside_ = event->button() == Qt::LeftButton;
        report(events.mouseDown, mouseButtonCode(event->button()), event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        Widget::mouseMoveEvent(event);
        event->accept();
        report(events.mouseMove, mouseButtonCode(event->buttons()), event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        Widget::mouseReleaseEvent(event);
        event->accept();
        report(events.mouseUp, mouseButtonCode(event->button()), event);
        const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                           this->rect().contains(event->position().toPoint());
        pressedInside_ = false;
        if (click && events.click)
            events.click();
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        Widget::mouseDoubleClickEvent(event);
        event->accept();
        if (event->button() == Qt::LeftButton && events.dblClick)
            events.dblClick();
    }

    void moveEvent(QMoveEvent* event) override {
        Widget::moveEvent(event);
        geometry_.followWidgetPosition();
    }

    void resizeEvent(QResizeEvent* event) override {
        Widget::resizeEvent(event);
        geometry_.followWidgetSize();
    }

    const Screen& screen() const { return screen_; }

private:
    void report(const MouseHandler& handler, int button, QMouseEvent* event) {
        if (!handler)
            return;
        const QPointF at = event->position();
        handler(button, shiftStateCode(event->modifiers()),
                float(at.x()) * screen_.twipsPerPixelX(), float(at.y()) * screen_.twipsPerPixelY());
    }

    const Screen& screen_;
    bool pressedInside_ = false;
};

} // namespace kyvra

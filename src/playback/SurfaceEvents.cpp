#include "playback/SurfaceEvents.h"

#include "platform/InputCodes.h"
#include "playback/MediaEngine.h"

#include <QMouseEvent>
#include <QWidget>

namespace kyvra {

SurfaceEvents::SurfaceEvents(QWidget* surface, MediaEngine* engine)
    : QObject(surface), engine_(engine) {
    // Moves count without a button held, and a click on the picture gives it the focus.
    surface->setMouseTracking(true);
    surface->setFocusPolicy(Qt::ClickFocus);
    surface->installEventFilter(this);
}

bool SurfaceEvents::eventFilter(QObject* watched, QEvent* event) {
    if (!engine_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is a press like any other to the handlers.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        emit engine_->mouseDown(mouseButtonCode(mouse->button()),
                                shiftStateCode(mouse->modifiers()), mouse->position().x(),
                                mouse->position().y());
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        emit engine_->mouseMove(mouseButtonCode(mouse->buttons()),
                                shiftStateCode(mouse->modifiers()), mouse->position().x(),
                                mouse->position().y());
        break;
    }
    case QEvent::FocusIn:
        emit engine_->focusReceived();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kyvra

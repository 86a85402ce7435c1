#include "playback/NativePictureWindow.h"

#include <QPlatformSurfaceEvent>
#include <QWidget>

namespace kyvra {

namespace {

// The part of widget not covered by the visible widgets stacked above it within its window, in
// the widget's coordinates: the grip in the corner lies over the picture.
QRegion uncoveredPart(const QWidget& widget) {
    QRegion uncovered(widget.rect());
    for (const QWidget* below = &widget; below && !below->isWindow();
         below = below->parentWidget()) {
        const QObjectList& siblings = below->parentWidget()->children();
        for (qsizetype index = siblings.indexOf(below) + 1; index < siblings.size(); ++index) {
            const auto* above = qobject_cast<const QWidget*>(siblings[index]);
            if (above && !above->isWindow() && above->isVisible())
                uncovered -=
                    QRect(widget.mapFrom(above->parentWidget(), above->pos()), above->size());
        }
    }
    return uncovered;
}

} // namespace

NativePictureWindow::NativePictureWindow(SurfaceType type) {
    setSurfaceType(type);
    setFlag(Qt::WindowTransparentForInput);
}

QWidget* NativePictureWindow::embed(NativePictureWindow* window, QWidget* parent) {
    QWidget* container = QWidget::createWindowContainer(window, parent);
    window->container_ = container;
    // Presses and drops pass the window by; the container must not take them either.
    container->setFocusPolicy(Qt::NoFocus);
    container->setAcceptDrops(false);
    return container;
}

// The native window is destroyed (and perhaps made again) when the container changes windows;
// the loop must not draw into it meanwhile.
bool NativePictureWindow::event(QEvent* event) {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        const std::lock_guard lock(mutex_);
        exposed_ = false;
        window_ = 0;
    }
    return QWindow::event(event);
}

void NativePictureWindow::exposeEvent(QExposeEvent*) {
    followWindow();
}

void NativePictureWindow::resizeEvent(QResizeEvent*) {
    followWindow();
}

void NativePictureWindow::followWindow() {
    {
        const std::lock_guard lock(mutex_);
        exposed_ = isExposed();
        pixels_ = size() * devicePixelRatio();
        window_ = handle() ? winId() : 0;
    }
    uncoverWidgetsAbove();
    if (loop_ && isExposed())
        loop_->requestRedraw();
}

// A native window hides whatever its parent draws beneath it, so it is cut around the widgets
// meant to lie over the picture.
void NativePictureWindow::uncoverWidgetsAbove() {
    if (!container_)
        return;
    QRegion uncovered = uncoveredPart(*container_);
    if (uncovered == QRegion(container_->rect()))
        uncovered = QRegion();
    if (uncovered != mask_) {
        mask_ = uncovered;
        setMask(mask_);
    }
}

} // namespace kyvra

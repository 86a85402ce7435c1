#include "platform/WindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace kyvra {

void setTopMost(QWidget& window, bool topMost) {
    const Qt::WindowFlags flags = window.windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const Qt::WindowFlags wanted =
        topMost ? flags | Qt::WindowStaysOnTopHint : flags & ~Qt::WindowStaysOnTopHint;
    // Telling the native window directly avoids recreating it, which would flash and lose its
    // place on some window managers.
    if (QWindow* native = window.windowHandle()) {
        window.overrideWindowFlags(wanted);
        native->setFlags(wanted);
        return;
    }
    // New flags hide a shown window; it comes back as it was, while a hidden one stays hidden
    // and takes the order with it when next shown.
    const bool shown = window.isVisible();
    window.setWindowFlags(wanted);
    if (shown)
        window.show();
}

namespace {

// Follows the pointer with the window until the button is released; used where no window manager
// offers a move of its own.
class PointerDrag : public QObject {
public:
    explicit PointerDrag(QWidget& window)
        : QObject(&window), window_(window), grabOffset_(QCursor::pos() - window.pos()) {
        qApp->installEventFilter(this);
        window.grabMouse();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            window_.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                         grabOffset_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            window_.releaseMouse();
            qApp->removeEventFilter(this);
            deleteLater();
            return true;
        }
        return false;
    }

private:
    QWidget& window_;
    QPoint grabOffset_;
};

} // namespace

void dragWindow(QWidget& window) {
    QWidget* top = window.window();
    if (QWindow* native = top->windowHandle(); native && native->startSystemMove())
        return;
    // Any button: the subtitle window moves with the right one too.
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        new PointerDrag(*top);
}

void setCursorPos(int x, int y) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->virtualGeometry();
    QCursor::setPos(std::clamp(x, area.left(), area.right()),
                    std::clamp(y, area.top(), area.bottom()));
}

} // namespace kyvra

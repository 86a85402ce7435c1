#include "platform/Form.h"

#include "core/FileNames.h"
#include "platform/InputCodes.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace kyvra {

Form::Form(const Screen& screen, int borderStyle)
    : QWidget(nullptr, borderStyle == 0 ? Qt::Window | Qt::FramelessWindowHint
                                        : Qt::WindowFlags(Qt::Window)),
      TwipsPlacement(*this, screen), screen_(screen) {
    setMouseTracking(true);
}

void Form::Show() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void Form::keyPressEvent(QKeyEvent* event) {
    const int keyCode = virtualKeyCode(event->key(), event->modifiers(), event->nativeScanCode());
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyDown(keyCode, shiftStateCode(event->modifiers()));
}

void Form::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(mouseButtonCode(event->button()), shiftStateCode(event->modifiers()),
                   twipsX(event->position().x()), twipsY(event->position().y()));
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(mouseButtonCode(event->buttons()), shiftStateCode(event->modifiers()),
                   twipsX(event->position().x()), twipsY(event->position().y()));
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    Form_MouseUp(mouseButtonCode(event->button()), shiftStateCode(event->modifiers()),
                 twipsX(event->position().x()), twipsY(event->position().y()));
}

void Form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    geometry_.followWidgetPosition();
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    geometry_.followWidgetSize();
    Form_Resize();
}

void Form::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Form::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Form::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        // Decoded from the link's own bytes: a name that is not UTF-8 survives the drop.
        if (url.isLocalFile())
            files << pathFromBytes(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    event->acceptProposedAction();
    Form_OLEDragDrop(files, mouseButtonCode(event->buttons()), shiftStateCode(event->modifiers()),
                     twipsX(event->position().x()), twipsY(event->position().y()));
}

} // namespace kyvra

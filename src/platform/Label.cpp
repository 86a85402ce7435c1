#include "platform/Label.h"

namespace kyvra {

Label::Label(QWidget* parent, const Screen& screen) : TwipsControl<QLabel>(parent, screen) {
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
}

void Label::setBorderStyle(int style) {
    borderStyle_ = style;
    setFrameStyle(style == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void Label::setForeColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

} // namespace kyvra

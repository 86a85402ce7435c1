#pragma once

#include "platform/TwipsControl.h"

#include <QLineEdit>

namespace kyvra {

// A one-line text box on a form. Its change event is raised whenever the text changes, by the
// user or by the program.
class TextBox : public TwipsControl<QLineEdit> {
public:
    TextBox(QWidget* parent, const Screen& screen) : TwipsControl<QLineEdit>(parent, screen) {
        QObject::connect(this, &QLineEdit::textChanged, this, [this] {
            if (onChange)
                onChange();
        });
    }

    std::function<void()> onChange;
};

} // namespace kyvra

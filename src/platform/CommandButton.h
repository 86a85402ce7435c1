#pragma once

#include "platform/TwipsControl.h"

#include <QPushButton>

namespace kyvra {

// A push button on a form. Its click event is raised however the button is pressed: the mouse,
// the space bar, or the program.
class CommandButton : public TwipsControl<QPushButton> {
public:
    CommandButton(QWidget* parent, const Screen& screen, const QString& caption)
        : TwipsControl<QPushButton>(parent, screen) {
        setText(caption);
        QObject::connect(this, &QPushButton::clicked, this, [this] {
            if (onClick)
                onClick();
        });
    }

    std::function<void()> onClick;
};

} // namespace kyvra

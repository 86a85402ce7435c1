#pragma once

#include "platform/TwipsControl.h"

#include <QCheckBox>

namespace kyvra {

// A check box on a form. Its click event is raised whenever its value changes, by the user or by
// the program, so a handler sees every change.
class CheckBox : public TwipsControl<QCheckBox> {
public:
    CheckBox(QWidget* parent, const Screen& screen) : TwipsControl<QCheckBox>(parent, screen) {
        QObject::connect(this, &QCheckBox::toggled, this, [this] {
            if (onClick)
                onClick();
        });
    }

    // 1 ticked, 0 not.
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value == 1); }

    std::function<void()> onClick;
};

} // namespace kyvra

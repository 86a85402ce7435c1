#pragma once

#include "platform/TwipsControl.h"

#include <QGroupBox>

namespace kyvra {

// A captioned frame on a form that groups the controls placed inside it.
class Frame : public TwipsControl<QGroupBox> {
public:
    Frame(QWidget* parent, const Screen& screen, const QString& caption)
        : TwipsControl<QGroupBox>(parent, screen) {
        setTitle(caption);
    }
};

} // namespace kyvra

#pragma once

#include "platform/TwipsControl.h"

#include <QComboBox>

namespace kyvra {

// A drop-down list on a form.
class ComboBox : public TwipsControl<QComboBox> {
public:
    using TwipsControl<QComboBox>::TwipsControl;
};

} // namespace kyvra

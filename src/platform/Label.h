#pragma once

#include "platform/TwipsControl.h"

#include <QLabel>

namespace kyvra {

// A caption on a form: transparent unless given a back colour, optional single border.
class Label : public TwipsControl<QLabel> {
public:
    Label(QWidget* parent, const Screen& screen);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    // 0 none, 1 fixed single.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    void setForeColor(const QColor& color);

private:
    int borderStyle_ = 0;
};

} // namespace kyvra

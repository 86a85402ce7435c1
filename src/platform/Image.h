#pragma once

#include "platform/TwipsControl.h"

#include <QPixmap>

namespace kyvra {

// A picture on a form, drawn to the control's size: SVG artwork stays sharp at every scale.
// Only the picture at the size it is shown is kept, rendered once and shared by every control
// showing the same picture at the same size.
class Image : public TwipsControl<QWidget> {
public:
    Image(QWidget* parent, const Screen& screen);

    // A resource or file path; SVG files are rendered, other formats scaled as bitmaps.
    void setPicture(const QString& path);
    QString picture() const { return path_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture at the size it is shown, in device pixels.
    QPixmap shown();

    QString path_;
    QPixmap shown_;
};

} // namespace kyvra

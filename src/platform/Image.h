#pragma once

#include "platform/TwipsControl.h"

#include <QPixmap>
#include <QSvgRenderer>

namespace kyvra {

// A picture on a form, drawn to the control's size: SVG artwork stays sharp at every scale.
class Image : public TwipsControl<QWidget> {
public:
    Image(QWidget* parent, const Screen& screen);

    // A resource or file path; SVG files are rendered, other formats drawn as bitmaps.
    void setPicture(const QString& path);
    QString picture() const { return path_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    QSvgRenderer svg_;
    QPixmap bitmap_;
};

} // namespace kyvra

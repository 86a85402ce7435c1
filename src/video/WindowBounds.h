#pragma once

#include <QRectF>
#include <QSizeF>

namespace kyvra {

class Form;

// The area of the screen the window stands on that windows may use (without panels and docks),
// in twips.
QRectF availableArea(const Form& window);

// The whole of the screen the window stands on, in pixels: the player's own screen measure for
// the primary screen, the monitor's geometry for any other; and the same in twips.
QRect screenPixels(const Form& window);
QRectF screenArea(const Form& window);

// The picture's size, shape kept, scaled down just enough that it and a strip of `extraHeight`
// above it fit within `area`; a picture that fits already is returned as it is.
QSizeF fitPictureWithin(QSizeF picture, double extraHeight, QSizeF area);

// The picture's size, shape kept, scaled up just enough that it is at least `least` wide and
// high; a picture that large already is returned as it is.
QSizeF growPictureTo(QSizeF picture, QSizeF least);

// Moves the window the least distance that brings it wholly inside its screen's available area;
// a window larger than the area keeps its top-left corner in it.
void keepOnScreen(Form& window);

} // namespace kyvra

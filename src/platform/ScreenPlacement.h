#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace kyvra {

// One monitor as windows see it, in device-independent pixels: all of it, and the part windows
// may use (without panels and docks).
struct ScreenArea {
    QRect whole;
    QRect available;
};

// How much of a window must show on some screen for a user to grab it and drag it back: more
// than the video window's grip is wide and the panel's title strip is high.
inline constexpr QSize kLeastGrabbable(32, 20);

// Where `window` belongs among `screens`: where it is, if at least kLeastGrabbable of it shows
// on one of them; otherwise moved the least distance that puts it wholly inside the nearest
// screen's available area, its size kept (one larger than the area keeps its top-left corner
// inside it). Without any screen the window stays where it is.
QRect placedOnScreens(const QRect& window, const QList<ScreenArea>& screens);

// Whether at least kLeastGrabbable of the window shows on one of the screens.
bool reachableOn(const QRect& window, const QList<ScreenArea>& screens);

// The screens Qt knows of now; all of them, or all but the primary one.
QList<ScreenArea> currentScreens();
QList<ScreenArea> secondaryScreens();

} // namespace kyvra

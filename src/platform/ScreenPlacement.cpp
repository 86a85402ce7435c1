#include "platform/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kyvra {

namespace {

bool grabbableOn(const QRect& window, const QRect& screen) {
    const QRect shown = window.intersected(screen);
    return shown.width() >= std::min(kLeastGrabbable.width(), window.width()) &&
           shown.height() >= std::min(kLeastGrabbable.height(), window.height()) &&
           !shown.isEmpty();
}

// The gap between two rectangles, 0 where they touch or overlap.
double distanceBetween(const QRect& a, const QRect& b) {
    const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return std::hypot(dx, dy);
}

int pulledInto(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

bool reachableOn(const QRect& window, const QList<ScreenArea>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const ScreenArea& screen) { return grabbableOn(window, screen.whole); });
}

QRect placedOnScreens(const QRect& window, const QList<ScreenArea>& screens) {
    if (screens.isEmpty() || reachableOn(window, screens))
        return window;
    const ScreenArea* nearest = nullptr;
    double least = std::numeric_limits<double>::infinity();
    for (const ScreenArea& screen : screens) {
        const double distance = distanceBetween(window, screen.whole);
        if (distance < least) {
            least = distance;
            nearest = &screen;
        }
    }
    const QRect& area = nearest->available;
    return QRect(QPoint(pulledInto(window.x(), window.width(), area.x(), area.width()),
                        pulledInto(window.y(), window.height(), area.y(), area.height())),
                 window.size());
}

namespace {

QList<ScreenArea> screensBut(const QScreen* left) {
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != left)
            screens.append({screen->geometry(), screen->availableGeometry()});
    }
    return screens;
}

} // namespace

QList<ScreenArea> currentScreens() {
    return screensBut(nullptr);
}

QList<ScreenArea> secondaryScreens() {
    return screensBut(QGuiApplication::primaryScreen());
}

} // namespace kyvra

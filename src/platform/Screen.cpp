#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace kyvra {

namespace {
float twipsPerPixel(double dpi) {
    return dpi > 0 ? float(1440.0 / dpi) : 15.0f;
}
} // namespace

Screen::Screen(QSize pixelSize, double logicalDpiX, double logicalDpiY)
    : pixelSize_(pixelSize), logicalDpiX_(int(std::lround(logicalDpiX))),
      twipsPerPixelX_(twipsPerPixel(logicalDpiX)), twipsPerPixelY_(twipsPerPixel(logicalDpiY)) {}

Screen Screen::primary() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Screen(QSize(1024, 768), 96, 96);
    return Screen(screen->size(), screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

} // namespace kyvra

#pragma once

#include <QSize>

namespace kyvra {

// The screen as the forms measure it: twips (1440 per inch) and the logical DPI they derive from.
class Screen {
public:
    Screen(QSize pixelSize, double logicalDpiX, double logicalDpiY);

    // The primary screen as Qt reports it now.
    static Screen primary();

    float twipsPerPixelX() const { return twipsPerPixelX_; }
    float twipsPerPixelY() const { return twipsPerPixelY_; }
    // Size in twips.
    float width() const { return pixelSize_.width() * twipsPerPixelX_; }
    float height() const { return pixelSize_.height() * twipsPerPixelY_; }
    QSize pixelSize() const { return pixelSize_; }
    int logicalDpiX() const { return logicalDpiX_; }

private:
    QSize pixelSize_;
    int logicalDpiX_;
    float twipsPerPixelX_;
    float twipsPerPixelY_;
};

} // namespace kyvra

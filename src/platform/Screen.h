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
    // Window positions are stored as a 96 DPI screen counts twips (15 a pixel), so that a stored
    // place names the same pixel on a scaled desktop and in a registry moved between machines.
    double storedFromTwips(double twips, bool horizontal) const {
        return twips * (15.0 / (horizontal ? twipsPerPixelX_ : twipsPerPixelY_));
    }
    double twipsFromStored(double stored, bool horizontal) const {
        return stored * ((horizontal ? twipsPerPixelX_ : twipsPerPixelY_) / 15.0);
    }

private:
    QSize pixelSize_;
    int logicalDpiX_;
    float twipsPerPixelX_;
    float twipsPerPixelY_;
};

} // namespace kyvra

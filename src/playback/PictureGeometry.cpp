#include "playback/PictureGeometry.h"

#include "playback/MpvProperties.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kyvra {

namespace {

constexpr double largestSide = 1 << 20;

int boundedSide(double pixels) {
    return int(std::clamp(std::round(pixels), 1.0, largestSide));
}

} // namespace

int quarterTurn(int turnDegrees) {
    const int turn = ((turnDegrees % 360) + 360) % 360;
    return turn % 90 == 0 ? turn : 0;
}

QSize displaySize(QSize stored, double pixelAspect, int turnDegrees) {
    if (stored.isEmpty())
        return {};
    double width = stored.width();
    double height = stored.height();
    if (std::isfinite(pixelAspect) && pixelAspect > 1)
        width *= pixelAspect;
    else if (std::isfinite(pixelAspect) && pixelAspect > 0 && pixelAspect < 1)
        height /= pixelAspect;
    QSize size(boundedSide(width), boundedSide(height));
    if (quarterTurn(turnDegrees) % 180 == 90)
        size.transpose();
    return size;
}

QByteArray turnFilters(int quarterTurn) {
    switch (quarterTurn) {
    case 90:
        return "lavfi-transpose=clock";
    case 180:
        return "lavfi-hflip,lavfi-vflip";
    case 270:
        return "lavfi-transpose=cclock";
    default:
        return {};
    }
}

StreamPicture readStreamPicture(mpv_handle* mpv) {
    const auto width = mpv::getInt(mpv, "current-tracks/video/demux-w");
    const auto height = mpv::getInt(mpv, "current-tracks/video/demux-h");
    if (!width || !height)
        return {};
    const int turn =
        quarterTurn(int(mpv::getInt(mpv, "current-tracks/video/demux-rotation").value_or(0)));
    const double aspect = mpv::getDouble(mpv, "current-tracks/video/demux-par").value_or(1);
    const QSize stored(int(std::min<std::int64_t>(*width, 1 << 20)),
                       int(std::min<std::int64_t>(*height, 1 << 20)));
    return {displaySize(stored, aspect, turn), turn};
}

} // namespace kyvra

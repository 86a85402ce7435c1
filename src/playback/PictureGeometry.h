#pragma once

#include <QByteArray>
#include <QSize>

struct mpv_handle;

namespace kyvra {

// The size a picture is meant to be seen at: its stored size stretched by the shape of its
// pixels (the wider side of a pixel widens, a taller one heightens, as the engine does), then
// turned a quarter when the stream says 90 or 270 degrees. A turn that is no multiple of 90 is
// not shown, so it changes nothing; sizes stay between 1 and 2^20 pixels a side.
QSize displaySize(QSize stored, double pixelAspect, int turnDegrees);

// A turn in whole degrees clockwise as 0, 90, 180 or 270; a turn between quarters gives 0.
int quarterTurn(int turnDegrees);

// The engine's video filters that turn a picture by a quarter turn, clockwise, without its
// renderer: empty for none.
QByteArray turnFilters(int quarterTurn);

// What the engine knows of the current video stream once a file is loaded: the display size
// (empty without a picture) and the turn the stream asks for.
struct StreamPicture {
    QSize size;
    int turn = 0; // 0, 90, 180 or 270, clockwise
};
StreamPicture readStreamPicture(mpv_handle* mpv);

} // namespace kyvra

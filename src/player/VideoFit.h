#pragma once

#include <QString>

namespace kyvra {

class Player;
class Screen;

// Places the picture under the window's top edge: the given size in twips, or the whole window
// below the edge for 0; records the size in ZoomText and refreshes the playback information.
void FitVideoToWindow(Player& player, qint32 width, qint32 height);

// A picture size in twips as pixels, width first, in single precision so a fraction shows
// (352x242.6667).
QString pixelSizeText(const Screen& screen, float width, float height);

// Writes the panel's playback-information line.
void UpdatePlaybackInfo(Player& player);

} // namespace kyvra

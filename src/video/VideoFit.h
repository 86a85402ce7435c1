#pragma once

#include <QtGlobal>

namespace kyvra {

class Player;

// Places the picture under the window's top edge: the given size in twips, or the whole window
// below the edge for 0; records the size in ZoomText and refreshes the playback information.
void FitVideoToWindow(Player& player, qint16 width, qint16 height);

// Writes the panel's playback-information line.
void UpdatePlaybackInfo(Player& player);

} // namespace kyvra

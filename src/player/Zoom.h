#pragma once

#include <QString>

namespace kyvra {

class Player;

// Fills the panel's zoom list: the percentages, full screen, the fixed sizes, the picture's own
// size while a file is loaded, and "Custom...".
void BuildZoomList(Player& player);

// Sizes the window to a picture of `width` x `height` twips under its top edge (ignored unless
// both are positive), then leaves full screen.
void SetVideoSize(Player& player, double height, qint32 width);

// The picture at a multiple of its own size (the percentages and Alt+1/2/3); ZoomText names the
// new size height first.
void ZoomToMultiple(Player& player, double factor);

// Applies one entry of the zoom list. False when "Custom..." was abandoned or refused, which
// changes nothing.
bool ApplyZoomChoice(Player& player, const QString& choice);

} // namespace kyvra

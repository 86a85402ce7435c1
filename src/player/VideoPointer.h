#pragma once

namespace kyvra {

class Player;

// The pointer over the video window (window twips) and over its picture (picture twips): dragging,
// the context menu, and in full screen the panel that returns when the pointer moves.
void VideoMouseDown(Player& player, int button, int shift, float x, float y);
void VideoMouseMove(Player& player, int button, int shift, float x, float y);
void PictureMouseDown(Player& player, int button, int shift, float x, float y);
void PictureMouseMove(Player& player, int button, int shift, float x, float y);

// The pointer has rested: in full screen the panel hides and the pointer is parked in a corner.
void VideoIdle(Player& player);

} // namespace kyvra

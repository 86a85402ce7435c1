#pragma once

namespace kyvra {

class Player;

// The engine's media events as the player answers them.
// A new stream: the panel's time line starts over and the window takes the picture's size.
void ShowNewStream(Player& player);
// The end of the media: loop from the start, or stop at the start.
void FinishStream(Player& player, int result);
// Any change of the play state sets the seek bar's range again.
void FollowPlayState(Player& player, int oldState, int newState);

} // namespace kyvra

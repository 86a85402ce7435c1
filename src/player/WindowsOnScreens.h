#pragma once

namespace kyvra {

class Player;

// Moves each of the player's windows that could not be grabbed on any current screen (a place
// stored on a monitor that is gone, or typed into the registry) onto the nearest screen, whole.
// A window that can be reached stays exactly where it is, partly off a screen or not.
void BringWindowsOntoScreens(Player& player);

// From now on, when a monitor goes away the windows that stood on it come to a remaining one.
void FollowScreensGoingAway(Player& player);

} // namespace kyvra

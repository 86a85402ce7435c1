#pragma once

namespace kyvra {

class Player;

// Switches full screen on or off; does nothing without media.
void ToggleFullScreen(Player& player);
void EnterFullScreen(Player& player);
void LeaveFullScreen(Player& player);

// A place for the video window from the stored settings. In full screen the window keeps
// covering its screen and the place is where leaving full screen brings it back.
void SetVideoWindowLeft(Player& player, float left);
void SetVideoWindowTop(Player& player, float top);

} // namespace kyvra

#pragma once

namespace kyvra {

class Player;

// Opens the options dialog modeless, or brings the open one to the front.
void ShowOptionsDialog(Player&);
// Opens the about box, or brings the open one to the front.
void ShowAboutBox(Player&);

} // namespace kyvra

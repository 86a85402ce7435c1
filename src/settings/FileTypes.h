#pragma once

namespace kyvra {

class Player;

// Makes the player the handler of its video file types: in the registry's class keys, and for
// the Linux desktop as a desktop entry with MIME defaults. Every step that fails is skipped.
void RegisterFileTypes(Player& player);

} // namespace kyvra

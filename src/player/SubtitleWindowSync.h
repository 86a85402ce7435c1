#pragma once

namespace kyvra {

class Player;

// Shows the subtitle window while subtitles are in use and hides it otherwise. Run on every
// tick of the panel's time display, with or without media, so a change in the options or a
// switch to full screen is followed within one tick.
void SyncSubtitleWindow(Player& player);

} // namespace kyvra

#pragma once

#include <QString>

namespace kyvra {

class Player;

// What the desktop asks of the player (media controls on the session bus, the keyboard's media
// keys), done through the same handlers as the panel's buttons so the status line, the seek bar
// and the menus agree. None of them throws: an engine failure is reported as the panel would.

// Resumes paused media, starts loaded media; playing media goes on as it is.
void RemotePlay(Player& player);
// Pauses playing media; anything else stays as it is.
void RemotePause(Player& player);
// The pause button for playing or paused media; a stopped file starts.
void RemotePlayPause(Player& player);
void RemoteStop(Player& player);
// The panel's forward and back buttons.
void RemoteNext(Player& player);
void RemotePrevious(Player& player);
// Seeks playing or paused media to a place within it, leaving it playing or paused.
void RemoteSeekTo(Player& player, double seconds);
// Opens a file the way a file dropped on the panel is opened.
void RemoteOpen(Player& player, const QString& path);
// 0 is the panel's quietest step, 1 its loudest.
void RemoteSetVolume(Player& player, double share);
// Brings the panel up and gives it the focus.
void RemoteRaise(Player& player);
// Ends the program as the menu's quit does once the user has said yes.
void RemoteQuit(Player& player);

// The panel's volume range shown as 0 to 1.
double VolumeShare(int hundredthsOfDb);

} // namespace kyvra

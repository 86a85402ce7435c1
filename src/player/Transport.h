#pragma once

#include <QString>

namespace kyvra {

class Player;

// Opens a file (and, with subtitles on, its subtitle file) and, with "Autostart" on, plays it.
void LoadMedia(Player& player, const QString& mediaPath, const QString& subtitlePath);

// Mode 0 starts afresh (leaving full screen first), mode 1 resumes from pause.
void PlayMedia(Player& player, int mode);
void PauseMedia(Player& player);
void StopMedia(Player& player);
// Five seconds back or forward, unless within ten seconds of the start or the end.
void SeekBack(Player& player);
void SeekForward(Player& player);

// The repeat button after a file opens: the remembered repeat state when "RememberPlayer" is on
// (repeat itself on with it), else simply shown.
void ShowRepeatState(Player& player);

// Every jump to a position goes through here, so the subtitles follow it.
void SeekTo(Player& player, double seconds);

// The loaded media's frame rate into the subtitle cursor's framesPerSecond; throws AppError for
// media without length.
void MeasureFrameRate(Player& player);

} // namespace kyvra

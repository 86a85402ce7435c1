#pragma once

#include <QString>

namespace kyvra {

class Player;

// The subtitle reader. The current subtitle file's path is the caption of the video window's
// `subsfile`; the open file is the player's subtitleFile(); the line last read, its raw text and
// the frame of the last tick are the player's subtitleCursor.

// Opens the current subtitle file from its first line. Throws AppError when it cannot be read.
void OpenSubtitleFile(Player& player);
// Closes the file while subtitles are on; playing again reopens it from its first line.
void CloseSubtitleFile(Player& player);

// For media just loaded: the given subtitle file, or with none given the one beside the media;
// with neither the media's own text track, if it has one, else no subtitles. Throws AppError when
// the file cannot be read.
void AttachSubtitles(Player& player, const QString& subtitlePath);
// A line of the media's own subtitle track, as the engine times it: shown while subtitles are on
// and no subtitle file was found for the media; never while stopped.
void ShowStreamSubtitle(Player& player, const QString& text);
// Run when playback starts or resumes with subtitles on: keeps the reading position a seek or a
// pause left, reopens a file a stop closed, and looks for subtitles for media that came in
// without them. Never fails: the media then plays without subtitles, the window cleared.
void ResumeSubtitles(Player& player);

// A panel tick, or the subtitle window's timer: while media plays with subtitles on, reads on to
// the engine's position (for at most a slice of time; the rest at the next wakeup), shows the line
// due there or nothing, and sets the window's timer for the next change.
void AdvanceSubtitles(Player& player);
// After a seek: back to the first line when the new position lies before the old one, then
// forward to the line due at the new position; the window shows it at once.
void RepositionSubtitles(Player& player, double oldPosition, double newPosition);

} // namespace kyvra

#pragma once

#include "subtitles/SubtitleEntry.h"

#include <QString>
#include <optional>

namespace kyvra {

// Splits "{start}{end}text". Whatever cannot be read keeps its zero or empty value, so a
// malformed line never stops the reader: a line without braces is all text, a start or end
// that is not a whole 32-bit number is 0.
SubtitleEntry ParseSubtitleLine(const QString& line);

// The two times of a SubRip cue ("00:01:02,500 --> 00:01:04,000"), in seconds.
struct SubRipTimes {
    double start = 0;
    double end = 0;
};
std::optional<SubRipTimes> ParseSubRipTiming(const QString& line);

// A SubRip cue as a frame-numbered entry at the given frame rate. Its lines are joined with
// carriage returns (a line break in the subtitle window) and its styling tags dropped.
SubtitleEntry SubRipEntry(const SubRipTimes& times, const QStringList& lines,
                          float framesPerSecond);

} // namespace kyvra

#pragma once

#include <QLocale>
#include <QString>

namespace kyvra {

// The subtitle file beside a media file, any letter case; "" when there is none. First the
// same name before the ending: ".sub", ".txt", ".srt", then ".ass", ".ssa", ".vtt". Then names as
// downloads come, with a language between ("film.en.srt", "film.eng.srt", "film.English.srt";
// not ".txt", which notes use too): the desktop's language first, then English, then the first
// in name order.
QString FindSubtitleBeside(const QString& mediaPath,
                           QLocale::Language desktop = QLocale::system().language());

// Whether the engine reads this subtitle file (ASS, SSA, WebVTT) rather than the player's own
// reader (the frame format and SubRip).
bool IsEngineSubtitleFile(const QString& path);

} // namespace kyvra

#pragma once

#include <QString>

namespace kyvra {

// The subtitle file beside a media file with the same name before the ending (".sub", ".txt" or
// ".srt", in that order of preference, any letter case); "" when there is none.
QString FindSubtitleBeside(const QString& mediaPath);

} // namespace kyvra

#include "subtitles/SubtitleParser.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QRegularExpression>
#include <QStringList>

namespace kyvra {

namespace {

// 1-based position of the first `what` at or after the 1-based `from`; 0 when there is none.
// A start before the text is not a place to search from: the search fails and so does every
// step that needs its result.
std::optional<qsizetype> positionOf(const QString& line, QChar what, qsizetype from) {
    if (from < 1)
        return std::nullopt;
    return line.indexOf(what, from - 1) + 1;
}

// The `length` characters after the 1-based `position`; a negative length cannot be taken.
std::optional<QString> charactersAfter(const QString& line, qsizetype position, qsizetype length) {
    if (length < 0)
        return std::nullopt;
    return line.mid(position, length);
}

// Whole-number text as a frame: any numeric text, rounded half to even; nothing otherwise.
qint32 frameFrom(const std::optional<QString>& text) {
    if (!text)
        return 0;
    return int32Within(parseNumber(*text).value_or(0)).value_or(0);
}

qint32 framesAt(double seconds, float framesPerSecond) {
    return int32Within(seconds * double(framesPerSecond)).value_or(0);
}

} // namespace

SubtitleEntry ParseSubtitleLine(const QString& line) {
    const qsizetype p1 = line.indexOf(QLatin1Char('{')) + 1;
    const qsizetype p2 = positionOf(line, QLatin1Char('}'), p1).value_or(0);
    // Counted from the opening brace, so text in front of it does not shift the number.
    const std::optional<QString> startText = charactersAfter(line, p1, p2 - p1 - 1);
    const qsizetype p3 = positionOf(line, QLatin1Char('{'), p2).value_or(0);
    const qsizetype p4 = positionOf(line, QLatin1Char('}'), p3).value_or(0);
    const std::optional<QString> endText = charactersAfter(line, p3, p4 - p3 - 1);

    SubtitleEntry entry;
    entry.EndFrame = frameFrom(endText);
    entry.StartFrame = frameFrom(startText);
    entry.Text = line.right(line.size() - p4);
    return entry;
}

std::optional<SubRipTimes> ParseSubRipTiming(const QString& line) {
    static const QRegularExpression timing(
        QStringLiteral(R"(^\s*(\d{1,9}):(\d{1,2}):(\d{1,2})(?:[,.](\d{1,3}))?\s*-->\s*)"
                       R"((\d{1,9}):(\d{1,2}):(\d{1,2})(?:[,.](\d{1,3}))?)"));
    const QRegularExpressionMatch match = timing.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const auto seconds = [&match](int first) {
        const QString fraction = match.captured(first + 3);
        return match.captured(first).toDouble() * 3600 + match.captured(first + 1).toDouble() * 60 +
               match.captured(first + 2).toDouble() +
               (fraction.isEmpty() ? 0.0 : QString(QStringLiteral("0.") + fraction).toDouble());
    };
    return SubRipTimes{seconds(1), seconds(5)};
}

SubtitleEntry SubRipEntry(const SubRipTimes& times, const QStringList& lines,
                          float framesPerSecond) {
    static const QRegularExpression styling(QStringLiteral(R"(</?(?:i|b|u|s|font)(?:\s[^>]*)?>)"),
                                            QRegularExpression::CaseInsensitiveOption);
    SubtitleEntry entry;
    entry.StartFrame = framesAt(times.start, framesPerSecond);
    entry.EndFrame = framesAt(times.end, framesPerSecond);
    entry.Text = lines.join(QLatin1Char('\r'));
    entry.Text.remove(styling);
    return entry;
}

} // namespace kyvra

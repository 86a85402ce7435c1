#include "subtitles/SubtitlePickup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace kyvra {

namespace {

constexpr std::array kExactEndings = {"sub", "txt", "srt", "ass", "ssa", "vtt"};
constexpr std::array kTaggedEndings = {"srt", "ass", "ssa", "vtt", "sub"};
constexpr std::array kEngineEndings = {"ass", "ssa", "vtt"};

template <std::size_t N>
bool endsWithOneOf(const QFileInfo& file, const std::array<const char*, N>& endings) {
    return std::any_of(endings.begin(), endings.end(), [&file](const char* ending) {
        return file.suffix().compare(QLatin1String(ending), Qt::CaseInsensitive) == 0;
    });
}

// The names a language goes by in file names: its two- and three-letter codes and its English
// name.
bool namesLanguage(const QString& tag, QLocale::Language language) {
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return false;
    for (const QLocale::LanguageCodeTypes type :
         {QLocale::ISO639Part1, QLocale::ISO639Part2B, QLocale::ISO639Part2T})
        if (tag.compare(QLocale::languageToCode(language, type), Qt::CaseInsensitive) == 0)
            return true;
    return tag.compare(QLocale::languageToString(language), Qt::CaseInsensitive) == 0;
}

} // namespace

QString FindSubtitleBeside(const QString& mediaPath, QLocale::Language desktop) {
    const QFileInfo media(mediaPath);
    const QString base = media.completeBaseName();
    if (mediaPath.isEmpty() || base.isEmpty())
        return {};
    QFileInfoList siblings =
        media.dir().entryInfoList(QDir::Files | QDir::Readable | QDir::Hidden, QDir::Name);
    for (const char* ending : kExactEndings) {
        for (const QFileInfo& candidate : siblings) {
            if (candidate.completeBaseName() == base &&
                candidate.suffix().compare(QLatin1String(ending), Qt::CaseInsensitive) == 0)
                return candidate.filePath();
        }
    }
    // "film.<tag>.srt": the tag is what lies between the media's name and the ending.
    const QString prefix = base + QLatin1Char('.');
    QString english;
    QString first;
    for (const QFileInfo& candidate : siblings) {
        const QString name = candidate.completeBaseName();
        if (!name.startsWith(prefix) || !endsWithOneOf(candidate, kTaggedEndings))
            continue;
        const QString tag = name.mid(prefix.size());
        if (tag.isEmpty() || tag.contains(QLatin1Char('.')))
            continue;
        if (namesLanguage(tag, desktop))
            return candidate.filePath();
        if (english.isEmpty() && namesLanguage(tag, QLocale::English))
            english = candidate.filePath();
        if (first.isEmpty())
            first = candidate.filePath();
    }
    return english.isEmpty() ? first : english;
}

bool IsEngineSubtitleFile(const QString& path) {
    return endsWithOneOf(QFileInfo(path), kEngineEndings);
}

} // namespace kyvra

#include "player/OpenDialog.h"

#include "core/FileNames.h"
#include "core/PathHelpers.h"
#include "platform/Prompts.h"
#include "player/ErrorReport.h"
#include "player/Player.h"

#include <QStringList>
#include <span>

namespace kyvra {

namespace {

struct FilterPair {
    const char* description;
    const char* patterns; // ";"-separated
};

constexpr FilterPair kMediaFilter[] = {
    {"Supported media types", "*.avi;*.asf;*.mpg;*.mpeg;*.dat;*.wmv"},
    {"AVI Files", "*.avi"},
    {"MPEG Files", "*.mpg;*.mpe;*.mpeg;*.dat"},
    {"ASF Files", "*.asf"},
    {"WMV Files", "*.wmv"},
    {"All files (*.*)", "*.*"},
};

constexpr FilterPair kSubtitleFilter[] = {
    {"Supported subtitle files", "*.txt;*.sub"},
    {"All files (*.*)", "*.*"},
    {"SubRip subtitles", "*.srt"},
};

// File names here are case-sensitive while the types are not: a Video CD's tracks end in ".DAT",
// so every ending is offered in upper case too. "*.*" means every file, dotted or not.
QString qtPatterns(const QString& patterns) {
    if (patterns == QLatin1String("*.*"))
        return QStringLiteral("*");
    const QStringList lower = patterns.split(QLatin1Char(';'));
    QStringList all = lower;
    for (const QString& pattern : lower)
        all << pattern.toUpper();
    return all.join(QLatin1Char(' '));
}

QString qtFilter(std::span<const FilterPair> pairs) {
    QStringList entries;
    for (const FilterPair& pair : pairs)
        entries << QStringLiteral("%1 (%2)").arg(QLatin1String(pair.description),
                                                 qtPatterns(QLatin1String(pair.patterns)));
    return entries.join(QStringLiteral(";;"));
}

QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}

// Surrounding spaces and NULs are the dialog buffer's padding; a name that really begins or ends
// with a space is kept as chosen.
QString withoutPadding(QString path) {
    path.remove(QChar(0));
    return fileKind(path) == FileKind::Missing ? trimSpaces(path) : path;
}

} // namespace

QString ShowOpenDialog(Player& player, QWidget* owner, const QString& initialDir,
                       const QString& title, const QString& kind) {
    OpenFileRequest request;
    request.title = title.isEmpty() ? QStringLiteral("Kyvra:: Open file") : title;
    request.filter =
        kind == QLatin1String("media") ? qtFilter(kMediaFilter) : qtFilter(kSubtitleFilter);
    request.initialDirectory = initialDir;
    request.owner = owner;

    Prompts& prompts = player.prompts();
    const QString answer = prompts.openFile(request);
    if (answer.size() > kMaxDialogPath) {
        // Refused like an overflowing buffer, but not silently: the choice would seem ignored.
        prompts.messageBox(QStringLiteral("The path of the chosen file is longer than %1 "
                                          "characters and cannot be opened.")
                               .arg(kMaxDialogPath),
                           MsgButtons::Ok, MsgIcon::Exclamation, QString());
        return {};
    }
    const QString chosen = withoutPadding(answer);
    // Refused like a vanished file, but not silently: the choice would seem ignored.
    if (kind == QLatin1String("media") && fileKind(chosen) == FileKind::Folder) {
        ReportFileError(player, chosen);
        return {};
    }
    return FileExists(chosen) ? chosen : QString();
}

} // namespace kyvra

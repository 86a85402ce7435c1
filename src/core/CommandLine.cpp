#include "core/CommandLine.h"

#include "core/FileNames.h"

#include <QStringList>

namespace kyvra {

QString CommandLineText(const QList<QByteArray>& arguments) {
    QStringList parts;
    for (const QByteArray& bytes : arguments) {
        const QString argument = pathFromBytes(bytes);
        const bool file = fileKind(argument) == FileKind::Regular;
        parts << (file ? QLatin1Char('"') + absolutePath(argument) + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

bool TakeOption(QString& commandLine, const QString& option) {
    const qsizetype length = option.size();
    // A position outside the text counts as a space.
    const auto spaceAt = [&commandLine](qsizetype at) {
        return at < 0 || at >= commandLine.size() || commandLine.at(at).isSpace();
    };
    bool found = false;
    bool quoted = false;
    for (qsizetype at = 0; length > 0 && at < commandLine.size();) {
        if (commandLine.at(at) == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && spaceAt(at - 1) && spaceAt(at + length) &&
                   QStringView(commandLine).mid(at, length) == option) {
            commandLine.remove(at, length);
            found = true;
            continue;
        }
        ++at;
    }
    if (found)
        commandLine = commandLine.trimmed();
    return found;
}

CommandLineRequest ParseCommandLine(QString commandLine) {
    CommandLineRequest request;
    request.fullScreen = TakeOption(commandLine, QStringLiteral("-fullscreen"));
    QString path = commandLine.trimmed();
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    request.path = path;
    return request;
}

} // namespace kyvra

#include "app/CommandLine.h"

#include <QFileInfo>

namespace kyvra {

QString CommandLineText(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments) {
        const QFileInfo file(argument);
        parts << (file.isFile() ? file.absoluteFilePath() : argument);
    }
    return parts.join(QLatin1Char(' '));
}

CommandLineRequest ParseCommandLine(const QString& commandLine) {
    CommandLineRequest request;
    QString path = commandLine;
    if (Contains(commandLine, QStringLiteral("-fullscreen"))) {
        request.fullScreen = true;
        path = RemoveText(commandLine, QStringLiteral("-fullscreen"));
    }
    path = path.trimmed();
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    request.path = path;
    return request;
}

bool Contains(const QString& text, const QString& part) {
    return text.contains(part, Qt::CaseSensitive);
}

QString RemoveText(const QString& text, const QString& part) {
    QString result = text;
    if (!part.isEmpty())
        result.remove(part, Qt::CaseSensitive);
    return result.trimmed();
}

} // namespace kyvra

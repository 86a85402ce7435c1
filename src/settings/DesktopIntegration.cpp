#include "settings/DesktopIntegration.h"

#include "core/ProductInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSaveFile>
#include <QSet>

namespace kyvra {

namespace {

const QString iconResource = QStringLiteral(":/icons/kyvra-player.svg");
const QByteArray defaultGroup = QByteArrayLiteral("[Default Applications]");

// An XDG base folder from the environment as it is now (a test or the session may change it);
// a relative path there is invalid and ignored.
QString baseFolder(const char* variable, const QString& fallbackUnderHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + u'/' + fallbackUnderHome;
}

QString dataHome() {
    return baseFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString configHome() {
    return baseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

// Replaces the file atomically, and leaves it untouched when it already holds these bytes.
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return true;
    current.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray desktopEntry(const QString& executablePath) {
    QByteArray entry = "[Desktop Entry]\n"
                       "Type=Application\n";
    entry += "Name=" + kProductTitle.toUtf8() + '\n';
    entry += "Exec=" + execProgramField(executablePath).toUtf8() + " %f\n";
    entry += "Icon=kyvra-player\n"
             "Terminal=false\n"
             "Categories=AudioVideo;Video;Player;\n";
    entry += "MimeType=" + desktopMimeTypes().join(u';').toUtf8() + ";\n";
    return entry;
}

void installIcon() {
    QFile icon(iconResource);
    if (!icon.open(QIODevice::ReadOnly))
        return;
    writeFile(dataHome() + QStringLiteral("/icons/hicolor/scalable/apps/kyvra-player.svg"),
              icon.readAll());
}

void setDefaults(const QString& desktopFile) {
    const QString path = configHome() + QStringLiteral("/mimeapps.list");
    QFile current(path);
    QByteArray list;
    if (current.exists()) {
        // A list that cannot be read is left alone rather than replaced by ours.
        if (!current.open(QIODevice::ReadOnly))
            return;
        list = current.readAll();
        if (current.error() != QFileDevice::NoError)
            return;
        current.close();
    }
    writeFile(path, withDefaultApplications(list, desktopMimeTypes(), desktopFile));
}

QByteArray keyOf(const QByteArray& trimmedLine) {
    const qsizetype equals = trimmedLine.indexOf('=');
    return equals < 0 ? QByteArray() : trimmedLine.left(equals).trimmed().toLower();
}

} // namespace

QStringList desktopMimeTypes() {
    return {QStringLiteral("video/x-msvideo"), QStringLiteral("video/avi"),
            QStringLiteral("video/mpeg"),      QStringLiteral("application/vnd.ms-asf"),
            QStringLiteral("video/x-ms-asf"),  QStringLiteral("video/x-ms-wmv")};
}

void InstallDesktopHandler(const QString& executablePath) {
    if (executablePath.isEmpty())
        return;
    if (!writeFile(dataHome() + QStringLiteral("/applications/") + kDesktopFileName,
                   desktopEntry(executablePath)))
        return;
    installIcon();
    setDefaults(kDesktopFileName);
}

QString execProgramField(const QString& executablePath) {
    // Inside a quoted argument these four take a backslash, and a literal percent sign is
    // doubled so it is not read as a field code.
    QString argument;
    for (const QChar c : executablePath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            argument += u'\\';
        else if (c == u'%')
            argument += u'%';
        argument += c;
    }
    // Then the whole value is escaped as a string of the entry file.
    QString field = QStringLiteral("\"");
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case u'\\':
            field += QStringLiteral("\\\\");
            break;
        case u'\n':
            field += QStringLiteral("\\n");
            break;
        case u'\t':
            field += QStringLiteral("\\t");
            break;
        case u'\r':
            field += QStringLiteral("\\r");
            break;
        default:
            field += c;
        }
    }
    return field + u'"';
}

QByteArray withDefaultApplications(const QByteArray& list, const QStringList& mimeTypes,
                                   const QString& desktopFile) {
    // Keys are compared by their lower-case form, as MIME type names are case-insensitive.
    QHash<QByteArray, QByteArray> wanted;
    QList<QByteArray> order;
    for (const QString& type : mimeTypes) {
        const QByteArray line = type.toUtf8() + '=' + desktopFile.toUtf8() + ';';
        if (!wanted.contains(type.toLower().toUtf8()))
            order << type.toLower().toUtf8();
        wanted.insert(type.toLower().toUtf8(), line);
    }

    QList<QByteArray> lines = list.split('\n');
    bool terminated = list.isEmpty() || list.endsWith('\n');
    if (terminated)
        lines.removeLast();

    QSet<QByteArray> present;
    qsizetype insertAt = -1; // after the first default group's last non-blank line
    bool inGroup = false;
    bool inFirstGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray trimmed = lines[i].trimmed();
        if (trimmed.startsWith('[')) {
            inGroup = trimmed == defaultGroup;
            inFirstGroup = inGroup && insertAt < 0;
            if (inFirstGroup)
                insertAt = i + 1;
            continue;
        }
        if (inFirstGroup && !trimmed.isEmpty())
            insertAt = i + 1;
        if (!inGroup || trimmed.startsWith('#'))
            continue;
        const QByteArray key = keyOf(trimmed);
        if (!wanted.contains(key))
            continue;
        lines[i] = wanted.value(key) + (lines[i].endsWith('\r') ? "\r" : "");
        present.insert(key);
    }

    QList<QByteArray> missing;
    for (const QByteArray& key : order) {
        if (!present.contains(key))
            missing << wanted.value(key);
    }
    if (!missing.isEmpty()) {
        if (insertAt < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines << QByteArray();
            lines << defaultGroup;
            insertAt = lines.size();
        }
        if (insertAt == lines.size())
            terminated = true;
        for (qsizetype i = 0; i < missing.size(); ++i)
            lines.insert(insertAt + i, missing[i]);
    }

    QByteArray result = lines.join('\n');
    if (terminated && !lines.isEmpty())
        result += '\n';
    return result;
}

} // namespace kyvra

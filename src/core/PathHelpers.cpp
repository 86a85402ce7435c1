#include "core/PathHelpers.h"

#include "core/FileNames.h"

namespace kyvra {

namespace {
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}
} // namespace

bool FileExists(const QString& path) {
    return fileKind(path) == FileKind::Regular;
}

QString GetExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1);
}

QString GetFileName(const QString& path) {
    const qsizetype separator = lastSeparator(path);
    return separator < 0 ? QString() : displayPath(path.mid(separator + 1));
}

QString GetShortTitle(const QString& path) {
    const QString name = GetFileName(path);
    return name.size() > 24 ? name.left(24) + QStringLiteral("...") : name;
}

} // namespace kyvra

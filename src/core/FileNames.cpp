#include "core/FileNames.h"

#include <sys/stat.h>
#include <unistd.h>

namespace kyvra {

namespace {

constexpr char16_t kCarriedByte = 0xDC00;

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when none starts there.
int utf8Sequence(const QByteArray& bytes, qsizetype at, char32_t& codePoint) {
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, lowest = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, lowest = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, lowest = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!continuation(byte(at + i)))
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate)
        return 0;
    return length;
}

} // namespace

QString pathFromBytes(const QByteArray& bytes) {
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        if (const int length = utf8Sequence(bytes, at, codePoint)) {
            path.append(QString::fromUcs4(&codePoint, 1));
            at += length;
        } else {
            path.append(QChar(char16_t(kCarriedByte + static_cast<unsigned char>(bytes.at(at)))));
            ++at;
        }
    }
    return path;
}

QByteArray pathBytes(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype at = 0; at <= path.size(); ++at) {
        const bool carried = at < path.size() && path.at(at).unicode() >= kCarriedByte + 0x80 &&
                             path.at(at).unicode() <= kCarriedByte + 0xFF;
        if (!carried && at < path.size())
            continue;
        bytes.append(QStringView(path).mid(start, at - start).toUtf8());
        if (carried)
            bytes.append(char(path.at(at).unicode() - kCarriedByte));
        start = at + 1;
    }
    return bytes;
}

QString displayPath(const QString& path) {
    QString shown = path;
    for (QChar& character : shown) {
        if (character.unicode() >= kCarriedByte + 0x80 &&
            character.unicode() <= kCarriedByte + 0xFF)
            character = QChar(char16_t(character.unicode() - kCarriedByte));
    }
    return shown;
}

QString absolutePath(const QString& path) {
    if (path.startsWith(QLatin1Char('/')))
        return path;
    QByteArray folder(4096, '\0');
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (folder.size() > (1 << 20))
            return path;
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(qstrlen(folder.constData())));
    return pathFromBytes(folder) + QLatin1Char('/') + path;
}

FileKind fileKind(const QString& path) {
    const QByteArray bytes = pathBytes(path);
    struct stat status {};
    if (bytes.isEmpty() || bytes.contains('\0') || ::stat(bytes.constData(), &status) != 0)
        return FileKind::Missing;
    if (S_ISREG(status.st_mode))
        return FileKind::Regular;
    if (S_ISBLK(status.st_mode))
        return FileKind::BlockDevice;
    if (S_ISDIR(status.st_mode))
        return FileKind::Folder;
    return FileKind::Other;
}

} // namespace kyvra

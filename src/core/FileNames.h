#pragma once

#include <QByteArray>
#include <QString>

namespace kyvra {

// File names are bytes; the player handles them as text. Bytes that are not UTF-8 (an old
// archive's Latin-1 names) are carried in the text as U+DC80..U+DCFF, one per byte, so the
// file system gets back exactly the bytes it gave.
QString pathFromBytes(const QByteArray& bytes);
QByteArray pathBytes(const QString& path);

// The name for a person to read: carried bytes shown as the Latin-1 characters they most
// likely were.
QString displayPath(const QString& path);

// The path from the root, against the current folder when it is relative.
QString absolutePath(const QString& path);

enum class FileKind { Missing, Regular, BlockDevice, Folder, Other };
// What the path names, following links: a missing file, a regular file, a block device (an
// optical drive), a folder, or something else (a pipe, a socket).
FileKind fileKind(const QString& path);

} // namespace kyvra

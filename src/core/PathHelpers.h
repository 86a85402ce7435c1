#pragma once

#include <QString>

namespace kyvra {

// True for an existing regular file (hidden ones included, as a file chosen or typed by name
// should be); false for folders, missing paths and anything that cannot be examined.
bool FileExists(const QString& path);

// The text after the last "." of the path; empty without one. Folders are not skipped.
QString GetExtension(const QString& path);

// The text after the last path separator ("/" or "\"); empty when there is none.
QString GetFileName(const QString& path);

// GetFileName, cut to its first 24 characters and "..." when longer.
QString GetShortTitle(const QString& path);

} // namespace kyvra

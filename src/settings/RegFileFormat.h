#pragma once

#include "settings/RegistryTree.h"

#include <QByteArray>

namespace kyvra {

// The registry file's text, in .reg form and UTF-8:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\x]
//   @="default value"
//   "name"="text"
//
// Inside quotes a backslash and a double quote are escaped with a backslash. CR and LF are
// written as \r and \n as well, so every value stays on one line and multi-line texts come back
// exactly.

QByteArray regFileText(const RegistryTree& tree);

struct RegFileContents {
    RegistryTree tree;
    // Something could not be read (bad header, unknown line, broken quoting, invalid UTF-8);
    // the tree holds everything that could.
    bool damaged = false;
};

RegFileContents parseRegFile(const QByteArray& bytes);

} // namespace kyvra

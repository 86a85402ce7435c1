#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace kyvra {

// How the bytes of a text file become text: the encoding's name (one QStringDecoder knows) and
// how many bytes of byte-order mark to skip.
struct TextEncoding {
    QByteArray name;
    int markLength = 0;
};

// Decides from the first bytes of a file: a byte-order mark wins, then valid UTF-8, then the
// legacy encoding the detector names, then Windows-1252. `head` may end inside a character.
TextEncoding DetectTextEncoding(QByteArrayView head);

} // namespace kyvra

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

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

// The legacy encoding the detector names for text that is not UTF-8, else Windows-1252.
QByteArray DetectLegacyEncoding(QByteArrayView sample);

// Checks UTF-8 one block after another, so a character may straddle two blocks.
class Utf8Validator {
public:
    // Where the first ill-formed sequence starts, counted from the start of `block`: negative
    // when it began in the block before. Nothing while all is well formed so far.
    std::optional<qsizetype> firstInvalid(QByteArrayView block);
    void reset() { unfinished_.clear(); }

private:
    // The start of a character the last block cut off.
    QByteArray unfinished_;
};

} // namespace kyvra

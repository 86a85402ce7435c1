#include "subtitles/TextEncoding.h"

#include <QStringDecoder>
#include <memory>
#include <type_traits>
#include <uchardet/uchardet.h>

namespace kyvra {

namespace {

const QByteArray kFallback = QByteArrayLiteral("windows-1252");

struct Utf8Walk {
    // Where the first ill-formed sequence starts; the size of the bytes when there is none.
    qsizetype invalidAt;
    // Where a character cut off at the end starts; the size of the bytes when there is none.
    qsizetype unfinishedAt;
};

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
Utf8Walk walkUtf8(QByteArrayView bytes) {
    const auto* byte = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = byte[i];
        int length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return {i, size};
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size)
                return {size, i};
            const unsigned char next = byte[i + k];
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return {i, size};
        }
        i += length;
    }
    return {size, size};
}

} // namespace

QByteArray DetectLegacyEncoding(QByteArrayView bytes) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
        uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0)
        return kFallback;
    uchardet_data_end(detector.get());
    const QByteArray name(uchardet_get_charset(detector.get()));
    if (name.isEmpty() || name.compare("ASCII", Qt::CaseInsensitive) == 0 ||
        !QStringDecoder(name.constData()).isValid())
        return kFallback;
    return name;
}

std::optional<qsizetype> Utf8Validator::firstInvalid(QByteArrayView block) {
    const QByteArray bytes = unfinished_ + block.toByteArray();
    const Utf8Walk walk = walkUtf8(bytes);
    if (walk.invalidAt < bytes.size())
        return walk.invalidAt - unfinished_.size();
    unfinished_ = bytes.sliced(walk.unfinishedAt);
    return std::nullopt;
}

TextEncoding DetectTextEncoding(QByteArrayView head) {
    if (head.startsWith("\xEF\xBB\xBF"))
        return {QByteArrayLiteral("UTF-8"), 3};
    if (head.startsWith("\xFF\xFE"))
        return {QByteArrayLiteral("UTF-16LE"), 2};
    if (head.startsWith("\xFE\xFF"))
        return {QByteArrayLiteral("UTF-16BE"), 2};
    // A character cut off at the end of the sample is no fault.
    if (walkUtf8(head).invalidAt == head.size())
        return {QByteArrayLiteral("UTF-8"), 0};
    return {DetectLegacyEncoding(head), 0};
}

} // namespace kyvra

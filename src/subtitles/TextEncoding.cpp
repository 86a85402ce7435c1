#include "subtitles/TextEncoding.h"

#include <QStringDecoder>
#include <memory>
#include <type_traits>
#include <uchardet/uchardet.h>

namespace kyvra {

namespace {

const QByteArray kFallback = QByteArrayLiteral("windows-1252");

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// beyond U+10FFFF. A character cut off at the end of the sample is no fault.
bool isValidUtf8(QByteArrayView bytes) {
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
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size)
                return true;
            const unsigned char next = byte[i + k];
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

QByteArray detectedLegacyEncoding(QByteArrayView bytes) {
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

} // namespace

TextEncoding DetectTextEncoding(QByteArrayView head) {
    if (head.startsWith("\xEF\xBB\xBF"))
        return {QByteArrayLiteral("UTF-8"), 3};
    if (head.startsWith("\xFF\xFE"))
        return {QByteArrayLiteral("UTF-16LE"), 2};
    if (head.startsWith("\xFE\xFF"))
        return {QByteArrayLiteral("UTF-16BE"), 2};
    if (isValidUtf8(head))
        return {QByteArrayLiteral("UTF-8"), 0};
    return {detectedLegacyEncoding(head), 0};
}

} // namespace kyvra

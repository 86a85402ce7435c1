// The number-text conversions on arbitrary text and arbitrary numbers: errors are only the
// program's own (overflow, type mismatch), and numbers written as text read back.
#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace kyvra;

namespace {

template <typename Call> void expectOnlyOurErrors(Call call) {
    try {
        call();
    } catch (const AppError& error) {
        if (error.number() != 6 && error.number() != 13)
            std::abort();
    }
}

void checkText(const QString& text) {
    expectOnlyOurErrors([&] { leadingNumber(text); });
    // Numeric text is exactly the text that converts.
    bool converts = true;
    expectOnlyOurErrors([&] {
        converts = false;
        textToDouble(text);
        converts = true;
    });
    if (converts != isNumeric(text))
        std::abort();
    expectOnlyOurErrors([&] { textToSingle(text); });
}

void checkNumber(double value) {
    const QString text = doubleText(value);
    // Fifteen digits round the very largest doubles beyond the range, as they always have.
    if (std::fabs(value) < 1e308) {
        if (!isNumeric(text))
            std::abort();
        const double back = textToDouble(text);
        if (std::fabs(back - value) > std::fabs(value) * 1e-14)
            std::abort();
    }
    expectOnlyOurErrors([&] { toInt16(value); });
    expectOnlyOurErrors([&] { toInt32(value); });
    expectOnlyOurErrors([&] { toSingle(value); });
    const float single = float(value);
    const QString singleAsText = singleText(single);
    if (std::isfinite(single) && !isNumeric(singleAsText))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkText(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkNumber(value);
    }
    return 0;
}

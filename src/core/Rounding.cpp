#include "core/Rounding.h"

#include "core/AppError.h"

#include <cmath>
#include <limits>

namespace kyvra {

namespace {

template <typename Int> std::optional<Int> integerWithin(double value) {
    const double rounded = roundHalfEven(value);
    // The comparisons are false for NaN, so NaN does not fit either.
    if (rounded >= double(std::numeric_limits<Int>::min()) &&
        rounded <= double(std::numeric_limits<Int>::max()))
        return static_cast<Int>(rounded);
    return std::nullopt;
}

template <typename Int> Int toInteger(double value) {
    if (const std::optional<Int> integer = integerWithin<Int>(value))
        return *integer;
    throw AppError::overflow();
}

} // namespace

double roundHalfEven(double value) {
    // Independent of the FPU rounding mode; x - floor(x) is exact for every double.
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

qint16 toInt16(double value) {
    return toInteger<qint16>(value);
}

qint32 toInt32(double value) {
    return toInteger<qint32>(value);
}

std::optional<qint16> int16Within(double value) {
    return integerWithin<qint16>(value);
}

std::optional<qint32> int32Within(double value) {
    return integerWithin<qint32>(value);
}

float toSingle(double value) {
    // Halfway between FLT_MAX and the next power of two: from here on rounding gives infinity.
    constexpr double limit = 0x1.ffffffp+127;
    if (std::fabs(value) >= limit)
        throw AppError::overflow();
    return static_cast<float>(value);
}

} // namespace kyvra

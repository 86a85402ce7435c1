#pragma once

#include <QtGlobal>
#include <optional>

namespace kyvra {

// Whole-number conversions as the program does them everywhere: halves go to the even
// neighbour, and a result outside the target type is an overflow error, never a wrap.

double roundHalfEven(double value);

// Throw AppError::overflow() when the rounded value does not fit, NaN included.
qint16 toInt16(double value);
qint32 toInt32(double value);

// The same conversions for values that are ordinary input: nothing when the result does not fit.
std::optional<qint16> int16Within(double value);
std::optional<qint32> int32Within(double value);

// Throws AppError::overflow() for a finite or infinite value beyond the float range; NaN stays NaN.
float toSingle(double value);

} // namespace kyvra

#pragma once

#include <QString>
#include <optional>

namespace kyvra {

// Numbers read from and written as text, the same way everywhere: '.' is always the decimal
// point, whatever the locale. Blanks are spaces, tabs and line feeds.

// The leading-number rule: after leading blanks, the longest prefix that is a number (sign,
// digits, one decimal point, exponent; or "&H" hexadecimal / "&O" octal), 0 when there is none.
// Throws AppError::overflow() for a number beyond the double range.
double leadingNumber(const QString& text);
// The same rule for text that is ordinary input: nothing for a number beyond the double range.
std::optional<double> parseLeadingNumber(const QString& text);

// Decimal text with 7 (single) or 15 (double) significant digits, no trailing zeros, no "+",
// "0" for zero; exponent form ("1E+20", "1.5E-07") below 1E-05 and from 1E+07 (single) or
// 1E+15 (double) on.
QString singleText(float value);
QString doubleText(double value);

// The whole text, blanks around it aside, as one number within the double range; nothing for
// blank text, text that is no number, or a number beyond the range.
std::optional<double> parseNumber(const QString& text);
bool isNumeric(const QString& text);

// Type conversions of text: the text must be numeric (AppError::typeMismatch() otherwise) and
// within the target range (AppError::overflow() otherwise).
float textToSingle(const QString& text);
double textToDouble(const QString& text);

} // namespace kyvra

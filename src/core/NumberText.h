#pragma once

#include <QString>

namespace kyvra {

// Numbers read from and written as text, the same way everywhere: '.' is always the decimal
// point, whatever the locale. Blanks are spaces, tabs and line feeds.

// The leading-number rule: after leading blanks, the longest prefix that is a number (sign,
// digits, one decimal point, exponent; or "&H" hexadecimal / "&O" octal), 0 when there is none.
// Throws AppError::overflow() for a number beyond the double range.
double leadingNumber(const QString& text);

// Decimal text with 7 (single) or 15 (double) significant digits, no trailing zeros, no "+",
// "0" for zero; exponent form ("1E+20", "1.5E-07") below 1E-05 and from 1E+07 (single) or
// 1E+15 (double) on.
QString singleText(float value);
QString doubleText(double value);

// True when the whole text, blanks around it aside, is one number; false for blank text.
bool isNumeric(const QString& text);

// Type conversions of text: the text must be numeric (AppError::typeMismatch() otherwise) and
// within the target range (AppError::overflow() otherwise).
float textToSingle(const QString& text);
double textToDouble(const QString& text);

} // namespace kyvra

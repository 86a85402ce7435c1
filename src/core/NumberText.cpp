#include "core/NumberText.h"

#include "core/AppError.h"
#include "core/Rounding.h"

#include <QByteArray>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kyvra {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(QChar c, int radix) {
    const char16_t u = c.unicode();
    int value = radix;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < radix ? value : -1;
}

bool isDigit(QChar c) {
    return digitValue(c, 10) >= 0;
}

// end == start means no number starts there; overflow means one does but it is out of range.
struct Scanned {
    qsizetype end;
    double value = 0.0;
    bool overflow = false;
};

// "&H1F", "&O17": up to FFFF a 16-bit two's complement value, then 32-bit, beyond that overflow.
Scanned scanRadixNumber(QStringView text, qsizetype start) {
    if (start + 2 > text.size() || text[start] != u'&')
        return {start};
    const QChar marker = text[start + 1].toUpper();
    const int radix = marker == u'H' ? 16 : marker == u'O' ? 8 : 0;
    if (radix == 0)
        return {start};
    qsizetype pos = start + 2;
    quint64 value = 0;
    bool overflow = false;
    for (int digit; pos < text.size() && (digit = digitValue(text[pos], radix)) >= 0; ++pos) {
        value = value * radix + digit;
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0;
        }
    }
    if (pos == start + 2)
        return {start};
    if (overflow)
        return {pos, 0.0, true};
    return {pos, value <= 0xFFFF ? double(qint16(quint16(value))) : double(qint32(quint32(value)))};
}

// The decimal exponent of the first significant digit, to tell overflow from underflow.
qint64 magnitude(QStringView digits, qsizetype pointAt, qint64 exponent) {
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] == u'0' || i == pointAt)
            continue;
        return (i < pointAt ? pointAt - i - 1 : pointAt - i) + exponent;
    }
    return 0;
}

Scanned scanDecimalNumber(QStringView text, qsizetype start) {
    const auto at = [&](qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    qsizetype pos = start;
    if (at(pos) == u'+' || at(pos) == u'-')
        ++pos;
    const qsizetype mantissaStart = pos;
    qsizetype digitCount = 0;
    qsizetype pointAt = -1;
    for (; isDigit(at(pos)) || (at(pos) == u'.' && pointAt < 0); ++pos) {
        if (at(pos) == u'.')
            pointAt = pos - mantissaStart;
        else
            ++digitCount;
    }
    if (digitCount == 0)
        return {start};
    const qsizetype mantissaEnd = pos;
    qsizetype end = pos;
    qint64 exponent = 0;
    if (at(pos) == u'e' || at(pos) == u'E') {
        qsizetype p = pos + 1;
        const bool negative = at(p) == u'-';
        if (at(p) == u'+' || negative)
            ++p;
        if (isDigit(at(p))) {
            for (; isDigit(at(p)); ++p)
                exponent = qMin<qint64>(exponent * 10 + digitValue(at(p), 10), 1'000'000'000);
            exponent = negative ? -exponent : exponent;
            end = p;
        }
    }
    // from_chars takes no leading '+'; everything scanned is ASCII.
    const qsizetype from = text[start] == u'+' ? start + 1 : start;
    const QByteArray ascii = text.sliced(from, end - from).toLatin1();
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const QStringView mantissa = text.sliced(mantissaStart, mantissaEnd - mantissaStart);
        const qsizetype point = pointAt < 0 ? mantissa.size() : pointAt;
        if (magnitude(mantissa, point, exponent) > 0)
            return {end, 0.0, true};
        return {end, 0.0}; // too small to hold: zero
    }
    return {end, value};
}

Scanned scanNumber(QStringView text, qsizetype start) {
    if (start < text.size() && text[start] == u'&')
        return scanRadixNumber(text, start);
    return scanDecimalNumber(text, start);
}

// The whole text, blanks around it aside, as one number; nothing when it is not one.
std::optional<Scanned> scanWholeNumber(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const Scanned scanned = scanNumber(text.first(end), begin);
    if (begin == end || scanned.end != end)
        return std::nullopt;
    return scanned;
}

// Throws type mismatch for text that is no number, overflow beyond the double range.
double wholeNumber(QStringView text) {
    const std::optional<Scanned> scanned = scanWholeNumber(text);
    if (!scanned)
        throw AppError::typeMismatch();
    if (scanned->overflow)
        throw AppError::overflow();
    return scanned->value;
}

QString significantText(double value, int digits) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0.0)
        return QStringLiteral("0");

    // "d.ddde±x": the rounding to the digit count is done here, carries included.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, digits - 1);
    const QLatin1StringView scientific(buffer, result.ptr - buffer);
    const qsizetype e = scientific.indexOf(u'e');
    QString mantissa = scientific.first(e).toString().remove(u'.');
    while (mantissa.endsWith(u'0'))
        mantissa.chop(1);
    const int exponent = std::atoi(QByteArray(buffer + e + 1, result.ptr - buffer - e - 1).data());

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= -5 && exponent < digits) {
        if (exponent < 0)
            return text + QStringLiteral("0.") + QString(-exponent - 1, u'0') + mantissa;
        const QString integer = mantissa.left(exponent + 1);
        text += integer + QString(exponent + 1 - integer.size(), u'0');
        if (mantissa.size() > exponent + 1)
            text += u'.' + mantissa.mid(exponent + 1);
        return text;
    }
    text += mantissa.front();
    if (mantissa.size() > 1)
        text += u'.' + mantissa.mid(1);
    return text + QStringLiteral("E%1%2")
                      .arg(QChar(exponent < 0 ? u'-' : u'+'))
                      .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<double> parseLeadingNumber(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const Scanned scanned = scanNumber(text, start);
    if (scanned.overflow)
        return std::nullopt;
    return scanned.value;
}

double leadingNumber(const QString& text) {
    if (const std::optional<double> number = parseLeadingNumber(text))
        return *number;
    throw AppError::overflow();
}

QString singleText(float value) {
    return significantText(value, 7);
}

QString doubleText(double value) {
    return significantText(value, 15);
}

std::optional<double> parseNumber(const QString& text) {
    const std::optional<Scanned> scanned = scanWholeNumber(text);
    if (!scanned || scanned->overflow)
        return std::nullopt;
    return scanned->value;
}

bool isNumeric(const QString& text) {
    return parseNumber(text).has_value();
}

float textToSingle(const QString& text) {
    return toSingle(wholeNumber(text));
}

double textToDouble(const QString& text) {
    return wholeNumber(text);
}

} // namespace kyvra

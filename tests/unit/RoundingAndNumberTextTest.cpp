#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "panel/TimeFormat.h"
#include "support/QtPrinters.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

using namespace kyvra;

namespace {

// The error number a call raises, 0 when it raises none.
template <typename Call> int errorOf(Call call) {
    try {
        call();
    } catch (const AppError& error) {
        return error.number();
    }
    return 0;
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(Rounding, HalvesGoToTheEvenNeighbourAndConversionsOverflowOutsideTheirRange) {
    const std::pair<double, double> cases[] = {{1.5, 2},
                                               {2.5, 2},
                                               {-1.5, -2},
                                               {-2.5, -2},
                                               {2.5000001, 3},
                                               {0.49999999999999994, 0},
                                               {4503599627370497.0, 4503599627370497.0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;

    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(toInt32(2147483646.5), 2147483646);
    EXPECT_EQ(toInt32(-2147483648.5), std::numeric_limits<qint32>::min());
    EXPECT_EQ(toSingle(3.4028235e38), FLT_MAX); // the printed maximum rounds down to it
    EXPECT_EQ(toSingle(-1e-50), 0.0f);
    for (double bad : {32767.5, -32768.6, inf, notANumber})
        EXPECT_EQ(errorOf([=] { toInt16(bad); }), 6) << bad;
    for (double bad : {2147483647.5, -2147483649.5, -inf, notANumber})
        EXPECT_EQ(errorOf([=] { toInt32(bad); }), 6) << bad;
    for (double bad : {3.5e38, -1e39, inf})
        EXPECT_EQ(errorOf([=] { toSingle(bad); }), 6) << bad;
}

TEST(NumberText, SignificantDigitsWithoutTrailingZerosAndExponentsOnlyWhereNeeded) {
    const std::pair<float, const char*> singles[] = {
        {0.1f, "0.1"},    {1.0f / 3, "0.3333333"}, {1234567, "1234567"}, {12345678, "1.234568E+07"},
        {1e20f, "1E+20"}, {-1.5e-7f, "-1.5E-07"}};
    for (const auto& [value, text] : singles)
        EXPECT_EQ(singleText(value), text) << value;

    const std::pair<double, const char*> doubles[] = {{1.0 / 3, "0.333333333333333"},
                                                      {-0.0, "0"},
                                                      {0.00001, "0.00001"},
                                                      {0.9999999999999999, "1"},
                                                      {123456789012345.0, "123456789012345"},
                                                      {1e15, "1E+15"},
                                                      {1.5e-7, "1.5E-07"},
                                                      {1e-6, "1E-06"},
                                                      {1e100, "1E+100"}};
    for (const auto& [value, text] : doubles)
        EXPECT_EQ(doubleText(value), text) << value;
}

TEST(NumberText, LeadingNumberTakesTheLongestNumericPrefix) {
    const std::pair<QString, double> cases[] = {
        {"Error", 0},    {"", 0},        {"12abc", 12},      {" -3.5e2x", -350},
        {"\t\n 42", 42}, {"1.2.3", 1.2}, {"7e+x", 7},        {"-.5", -0.5},
        {"+5.e1", 50},   {"-", 0},       {"1e-400", 0},      {QStringLiteral("\uFF11"), 0},
        {"&H1Fz", 31},   {"&hffff", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},    {"&O8", 0},     {"&H", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << text.toStdString();
    for (const QString& tooBig : {QString("1e400"), QString(400, u'9'), QString("&H100000000")})
        EXPECT_EQ(errorOf([&] { leadingNumber(tooBig); }), 6) << tooBig.toStdString();
}

TEST(NumberText, NumericTextMustBeOneWholeNumber) {
    for (const char* yes : {"12", " 12 ", "-1.5e3", "+.5", "5.", "\t7\n", "&H1F"})
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", "   ", "12abc", "1e", ".", "-", "1 2", "1,5", "1e400", "- 1"})
        EXPECT_FALSE(isNumeric(no)) << no;

    EXPECT_EQ(textToDouble(" 2.5 "), 2.5);
    EXPECT_EQ(textToSingle("0.1"), 0.1f);
    for (const char* text : {"abc", "", "12px"})
        EXPECT_EQ(errorOf([=] { textToSingle(text); }), 13) << text;
    EXPECT_EQ(errorOf([] { textToSingle("1e39"); }), 6);
    EXPECT_EQ(errorOf([] { textToDouble("1e400"); }), 6);
}

TEST(FormatTime, PadsMinutesAndSecondsSignsNegativesAndLetsHoursGrowPastSixteenBits) {
    const std::pair<qint32, const char*> cases[] = {
        {0, "0:00:00"},    {65, "0:01:05"},
        {3725, "1:02:05"}, {std::numeric_limits<qint32>::max(), "596523:14:07"},
        {-1, "-0:00:01"},  {std::numeric_limits<qint32>::min(), "-596523:14:08"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatTime(seconds), text) << seconds;
}

#include "panel/TimeFormat.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kyvra;

TEST(FormatTime, PadsMinutesAndSecondsSignsNegativesAndLetsHoursGrowPastSixteenBits) {
    const std::pair<qint32, const char*> cases[] = {
        {0, "0:00:00"},
        {65, "0:01:05"},
        {3725, "1:02:05"},
        {32767, "9:06:07"},
        {40000, "11:06:40"},
        {std::numeric_limits<qint32>::max(), "596523:14:07"},
        {-1, "-0:00:01"},
        {-3725, "-1:02:05"},
        {std::numeric_limits<qint32>::min(), "-596523:14:08"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatTime(seconds), text) << seconds;
}

#include "panel/TimeFormat.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kyvra;

TEST(FormatTime, PadsMinutesAndSecondsAndLetsHoursGrowPastSixteenBits) {
    EXPECT_EQ(FormatTime(0), "0:00:00");
    EXPECT_EQ(FormatTime(65), "0:01:05");
    EXPECT_EQ(FormatTime(3725), "1:02:05");
    EXPECT_EQ(FormatTime(32767), "9:06:07");
    EXPECT_EQ(FormatTime(40000), "11:06:40");
    EXPECT_EQ(FormatTime(std::numeric_limits<qint32>::max()), "596523:14:07");
}

TEST(FormatTime, ShowsANegativeTimeAsASignedMagnitude) {
    EXPECT_EQ(FormatTime(-1), "-0:00:01");
    EXPECT_EQ(FormatTime(-3725), "-1:02:05");
    EXPECT_EQ(FormatTime(std::numeric_limits<qint32>::min()), "-596523:14:08");
}

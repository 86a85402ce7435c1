// The subtitle line parser and SubRip cues.
#include "subtitles/SubtitleParser.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kyvra {
namespace {

void expectEntry(const QString& line, qint32 start, qint32 end, const QString& text) {
    const SubtitleEntry entry = ParseSubtitleLine(line);
    EXPECT_EQ(entry.StartFrame, start) << line.left(40).toStdString();
    EXPECT_EQ(entry.EndFrame, end) << line.left(40).toStdString();
    EXPECT_EQ(entry.Text, text) << line.left(40).toStdString();
}

TEST(SubtitleParser, ReadsFramesAndTextAndSkipsWhatItCannotRead) {
    expectEntry("{250}{300}Hello|World", 250, 300, "Hello|World");
    expectEntry("{ 7 }{2.5}x", 7, 2, "x"); // numeric text, halves to even
    expectEntry("{-25}{-5}minus", -25, -5, "minus");
    expectEntry("{250}{300}", 250, 300, "");
    expectEntry("no braces at all", 0, 0, "no braces at all");
    expectEntry("", 0, 0, "");
    expectEntry("{abc}{300}letters", 0, 300, "letters");
    expectEntry("{123456789012345678901234567890}{300}huge", 0, 300, "huge");
    expectEntry("{250}only one", 250, 0, "{250}only one");
    expectEntry("}{250}{300}{400}closing first", 250, 300, "{400}closing first");
    // Text before the first brace does not shift the start frame.
    expectEntry("  {250}{300}indented", 250, 300, "indented");
}

TEST(SubRip, TimingLinesBecomeFramesAtTheMeasuredRate) {
    const auto times = ParseSubRipTiming("00:01:02,500 --> 00:01:04.04 X1:10 Y1:20");
    ASSERT_TRUE(times);
    EXPECT_DOUBLE_EQ(times->start, 62.5);
    EXPECT_DOUBLE_EQ(times->end, 64.04);
    for (const char* notTiming :
         {"", "1", "00:01:02,500", "a --> b", "00:61:02,500 -> 00:01:03,000"})
        EXPECT_FALSE(ParseSubRipTiming(notTiming)) << notTiming;

    const SubtitleEntry entry =
        SubRipEntry(*times, {"<i>Hello</i>", "<font color=\"#ff0\">World</font> <3"}, 25);
    EXPECT_EQ(entry.StartFrame, 1562); // 1562.5, half to even
    EXPECT_EQ(entry.EndFrame, 1601);
    EXPECT_EQ(entry.Text, "Hello\rWorld <3");
    EXPECT_EQ(SubRipEntry({1e12, 1e12}, {}, 25).EndFrame, 0) << "beyond 32 bits reads as 0";
}

} // namespace
} // namespace kyvra

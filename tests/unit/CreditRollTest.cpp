// The about box's credits: colour and size by height, the extra lift on a change of size, one
// block at a time, and the new pass after the last.
#include "dialogs/CreditRoll.h"

#include <gtest/gtest.h>

using namespace kyvra;

namespace {

constexpr float pictureHeight = 2655;

// 100 twips a line at size 9, and a line's height shrinks with the size.
float measure(const QString& text, int fontSize) {
    return float(text.count('\n') + 1) * fontSize * 100 / 9;
}

// Ticks until the given block runs; gives up after a generous number of ticks.
int ticksUntilRunning(CreditRoll& roll, int block) {
    int ticks = 0;
    while (roll.running() != block && ticks < 100000) {
        roll.tick();
        ++ticks;
    }
    return ticks;
}

} // namespace

TEST(CreditRoll, ColourFadesFromPaleYellowToBlackAndSizeShrinksNearTheTop) {
    EXPECT_EQ(CreditRoll::colourAt(2665, pictureHeight), qRgb(255, 255, 100));
    // Blue fades first, green from about a quarter of the height, red from about an eighth.
    EXPECT_EQ(CreditRoll::colourAt(1328, pictureHeight), qRgb(255, 255, 50));
    EXPECT_EQ(CreditRoll::colourAt(600, pictureHeight), qRgb(255, 226, 23));
    EXPECT_EQ(CreditRoll::colourAt(300, pictureHeight), qRgb(226, 113, 11));
    EXPECT_EQ(CreditRoll::colourAt(0, pictureHeight), qRgb(0, 0, 0));
    EXPECT_EQ(CreditRoll::colourAt(-500, pictureHeight), qRgb(0, 0, 0));
    // Halves go to the even neighbour: 2.5 and 3.5 blue in a picture 2000 twips high.
    EXPECT_EQ(CreditRoll::colourAt(50, 2000), qRgb(50, 25, 2));
    EXPECT_EQ(CreditRoll::colourAt(70, 2000), qRgb(70, 35, 4));

    EXPECT_EQ(CreditRoll::fontSizeAt(2665), 9);
    EXPECT_EQ(CreditRoll::fontSizeAt(300), 9);
    EXPECT_EQ(CreditRoll::fontSizeAt(250), 8) << "7.5 goes to the even neighbour";
    EXPECT_EQ(CreditRoll::fontSizeAt(283), 8);
    EXPECT_EQ(CreditRoll::fontSizeAt(50), 2) << "1.5 goes to the even neighbour";
    EXPECT_EQ(CreditRoll::fontSizeAt(16), 1) << "never below 1";
    EXPECT_EQ(CreditRoll::fontSizeAt(-40), 1);
}

TEST(CreditRoll, BlocksRiseOneAtATimeAndStartAgainAfterTheLast) {
    CreditRoll roll({"one\ntwo", "three", "four"}, pictureHeight, measure);
    for (const CreditBlock& block : roll.blocks()) {
        EXPECT_EQ(block.top, 2665) << "just below the picture";
        EXPECT_EQ(block.fontSize, 9);
    }
    EXPECT_EQ(roll.running(), 0);
    roll.tick();
    EXPECT_EQ(roll.running(), 1) << "the starter hands over on its tick";

    // Five twips a tick while the size holds; seven when it changes.
    std::vector<float> steps;
    int sizeChanges = 0;
    while (roll.running() == 1) {
        const CreditBlock before = roll.blocks()[0];
        roll.tick();
        const CreditBlock& after = roll.blocks()[0];
        steps.push_back(before.top - after.top);
        sizeChanges += before.fontSize != after.fontSize;
        EXPECT_EQ(roll.blocks()[1].top, 2665) << "the next block waits";
        EXPECT_EQ(after.fontSize != before.fontSize ? 7.0f : 5.0f, steps.back());
    }
    EXPECT_EQ(sizeChanges, 8) << "from 9 down to 1";
    const CreditBlock& gone = roll.blocks()[0];
    EXPECT_EQ(gone.fontSize, 1);
    EXPECT_LE(gone.top, -gone.height - 10) << "it hands over only once fully out";
    EXPECT_GT(gone.top + 5, -gone.height - 10) << "and not a tick later";
    EXPECT_EQ(gone.colour, qRgb(0, 0, 0));

    EXPECT_EQ(roll.blocks()[1].top, 2665);
    ticksUntilRunning(roll, 3);
    ticksUntilRunning(roll, 0);
    for (const CreditBlock& block : roll.blocks()) {
        EXPECT_EQ(block.top, 2665) << "all wait below the picture again";
        EXPECT_EQ(block.fontSize, 5);
        EXPECT_EQ(block.height, measure(block.text, 5));
    }
    roll.tick();
    roll.tick();
    EXPECT_EQ(roll.blocks()[0].fontSize, 9);
    EXPECT_EQ(roll.blocks()[0].top, 2665 - 7) << "back to full size, with the extra lift";
    EXPECT_EQ(roll.blocks()[0].height, measure("one\ntwo", 9));
}

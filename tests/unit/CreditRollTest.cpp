#include "dialogs/CreditRoll.h"

#include <gtest/gtest.h>

using namespace kyvra;

namespace {

constexpr float pictureHeight = 2655;

// 100 twips a line at size 9, and a line's height shrinks with the size.
float measure(const QString& text, int fontSize) {
    return float(text.count('\n') + 1) * fontSize * 100 / 9;
}

} // namespace

TEST(CreditRoll, ColourFadesFromPaleYellowToBlackAndSizeShrinksNearTheTop) {
    // Blue fades first, green from about a quarter of the height, red from about an eighth.
    const std::pair<int, QRgb> colours[] = {{2665, qRgb(255, 255, 100)}, {1328, qRgb(255, 255, 50)},
                                            {600, qRgb(255, 226, 23)},   {300, qRgb(226, 113, 11)},
                                            {0, qRgb(0, 0, 0)},          {-500, qRgb(0, 0, 0)}};
    for (const auto& [top, colour] : colours)
        EXPECT_EQ(CreditRoll::colourAt(top, pictureHeight), colour) << top;
    // Halves go to the even neighbour: 2.5 and 3.5 blue in a picture 2000 twips high.
    EXPECT_EQ(CreditRoll::colourAt(50, 2000), qRgb(50, 25, 2));
    EXPECT_EQ(CreditRoll::colourAt(70, 2000), qRgb(70, 35, 4));

    // 7.5 and 1.5 go to the even neighbour; never below 1.
    const std::pair<int, int> sizes[] = {{2665, 9}, {300, 9}, {250, 8}, {283, 8},
                                         {50, 2},   {16, 1},  {-40, 1}};
    for (const auto& [top, size] : sizes)
        EXPECT_EQ(CreditRoll::fontSizeAt(top), size) << top;
}

TEST(CreditRoll, BlocksRiseOneAtATimeAndStartAgainAfterTheLast) {
    CreditRoll roll({"one\ntwo", "three", "four"}, pictureHeight, measure);
    for (const CreditBlock& block : roll.blocks())
        EXPECT_EQ(block.top, 2665) << "just below the picture";
    EXPECT_EQ(roll.running(), 0);
    roll.tick();
    EXPECT_EQ(roll.running(), 1) << "the starter hands over on its tick";

    // Five twips a tick while the size holds; seven when it changes.
    int sizeChanges = 0;
    while (roll.running() == 1) {
        const CreditBlock before = roll.blocks()[0];
        roll.tick();
        const CreditBlock& after = roll.blocks()[0];
        sizeChanges += before.fontSize != after.fontSize;
        EXPECT_EQ(before.top - after.top, after.fontSize != before.fontSize ? 7.0f : 5.0f);
        EXPECT_EQ(roll.blocks()[1].top, 2665) << "the next block waits";
    }
    EXPECT_EQ(sizeChanges, 8) << "from 9 down to 1, one at a time";
    const CreditBlock& gone = roll.blocks()[0];
    EXPECT_LE(gone.top, -gone.height - 10) << "it hands over only once fully out";
    EXPECT_GT(gone.top + 5, -gone.height - 10) << "and not a tick later";
    EXPECT_EQ(gone.colour, qRgb(0, 0, 0));

    for (int block : {3, 0}) // a generous number of ticks for each
        for (int ticks = 0; roll.running() != block && ticks < 100000; ++ticks)
            roll.tick();
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

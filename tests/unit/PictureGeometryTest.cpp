#include "playback/PictureGeometry.h"

#include "video/WindowBounds.h"

#include <gtest/gtest.h>

using namespace kyvra;

TEST(PictureGeometry, TheDisplaySizeStretchesByThePixelsShapeThenTurnsByWholeQuarters) {
    const struct {
        QSize stored;
        double aspect;
        int turn;
        QSize shown;
    } rows[] = {
        {{480, 272}, 1, 0, {480, 272}},
        {{480, 272}, 1, 90, {272, 480}},
        {{480, 272}, 1, 180, {480, 272}},
        {{480, 272}, 1, 270, {272, 480}},
        {{480, 272}, 1, -90, {272, 480}},
        {{480, 272}, 1, 450, {272, 480}},
        {{480, 272}, 1, 45, {480, 272}},
        {{704, 576}, 64.0 / 45, 0, {1001, 576}},
        {{704, 576}, 64.0 / 45, 90, {576, 1001}},
        {{720, 576}, 0.5, 0, {720, 1152}},
        {{1, 3}, 1, 90, {3, 1}},
        {{64, 64}, 1e9, 0, {1 << 20, 64}},
        {{64, 64}, 0, 0, {64, 64}},
        {{64, 64}, std::nan(""), 0, {64, 64}},
        {{0, 240}, 1, 90, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(displaySize(row.stored, row.aspect, row.turn), row.shown)
            << row.stored.width() << "x" << row.stored.height() << " " << row.aspect << " "
            << row.turn;

    // mpv turns clockwise: a stream asking for 270 is turned a quarter back.
    EXPECT_EQ(turnFilters(quarterTurn(270)), "lavfi-transpose=cclock");
    EXPECT_EQ(turnFilters(quarterTurn(-270)), "lavfi-transpose=clock");
    EXPECT_EQ(turnFilters(quarterTurn(180)), "lavfi-hflip,lavfi-vflip");
    EXPECT_EQ(turnFilters(quarterTurn(45)), "");
}

TEST(PictureGeometry, ATinyPictureGrowsShapeKeptAndAHugeOneShrinksToTheScreen) {
    const QSizeF least(160, 120);
    EXPECT_EQ(growPictureTo({5, 3}, least), QSizeF(200, 120));
    EXPECT_EQ(growPictureTo({320, 2}, least), QSizeF(19200, 120));
    EXPECT_EQ(growPictureTo({352, 240}, least), QSizeF(352, 240));
    EXPECT_EQ(growPictureTo({}, least), QSizeF());
    // The screen bound comes after and wins, shape kept.
    EXPECT_EQ(fitPictureWithin(growPictureTo({320, 2}, least), 0, {1280, 1024}), QSizeF(1280, 8));
}

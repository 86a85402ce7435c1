// Which stored places leave a window out of reach, and where it goes then.
#include "platform/ScreenPlacement.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kyvra {
namespace {

TEST(ScreenPlacement, WindowsOutOfReachComeWholeOntoTheNearestScreen) {
    // A laptop with a task bar at the bottom, and the same with a monitor right of it.
    const ScreenArea laptop{{0, 0, 1280, 800}, {0, 0, 1280, 770}};
    const ScreenArea right{{1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}};
    const ScreenArea left{{-1024, 0, 1024, 768}, {-1024, 0, 1024, 768}};
    const QSize panel(344, 140);
    const struct {
        const char* what;
        QList<ScreenArea> screens;
        QRect stored;
        QRect placed;
    } rows[] = {
        {"on the screen", {laptop}, {{100, 100}, panel}, {{100, 100}, panel}},
        {"32 px still showing", {laptop}, {{1248, 100}, panel}, {{1248, 100}, panel}},
        {"a sliver showing", {laptop}, {{1260, 100}, panel}, {{936, 100}, panel}},
        {"on a monitor now gone", {laptop}, {{1600, 100}, panel}, {{936, 100}, panel}},
        {"on the monitor that is there",
         {laptop, right},
         {{1600, 100}, panel},
         {{1600, 100}, panel}},
        {"partly on the second monitor",
         {laptop, right},
         {{1100, 700}, panel},
         {{1100, 700}, panel}},
        {"beyond both: the nearer", {laptop, right}, {{3400, 1200}, panel}, {{2856, 940}, panel}},
        {"left of both: the nearer", {laptop, right}, {{-3000, 100}, panel}, {{0, 100}, panel}},
        {"below: above the task bar", {laptop}, {{50, 790}, panel}, {{50, 630}, panel}},
        {"above the top", {laptop}, {{50, -130}, panel}, {{50, 0}, panel}},
        {"on a monitor left of the first",
         {left, laptop},
         {{-600, 10}, panel},
         {{-600, 10}, panel}},
        {"larger than the screen", {laptop}, {-5000, 0, 2000, 900}, {0, 0, 2000, 900}},
        {"tiny and whole", {laptop}, {1270, 790, 10, 10}, {1270, 790, 10, 10}},
        {"tiny and half off", {laptop}, {1275, 10, 10, 10}, {1270, 10, 10, 10}},
        {"no screens at all", {}, {{5000, 5000}, panel}, {{5000, 5000}, panel}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(placedOnScreens(row.stored, row.screens), row.placed) << row.what;
}

} // namespace
} // namespace kyvra

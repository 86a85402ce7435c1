// Which display the player asks Qt for, and when it gives up with a line instead of Qt's abort.
#include "platform/DisplayCheck.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kyvra {
namespace {

TEST(DisplayChoice, AWaylandSessionGoesThroughItsXServerAndNoDisplayAtAllIsTold) {
    const struct {
        const char* asked;
        const char* x11;
        bool answers;
        const char* wayland;
        const char* platform;
        const char* problem; // a part of the line, or nothing
    } rows[] = {
        {"", ":0", true, "wayland-0", "xcb", nullptr},
        {"", ":0", true, "", "xcb", nullptr},
        {"", ":0", false, "wayland-0", "wayland", nullptr},
        {"", "", false, "wayland-0", "wayland", nullptr},
        {"wayland", ":0", true, "wayland-0", "", nullptr},
        {"offscreen", "", false, "", "", nullptr},
        {"xcb", ":0", true, "wayland-0", "", nullptr},
        {"xcb", ":5", false, "wayland-0", "", "\":5\""},
        {"", ":999", false, "", "", "cannot open the X display \":999\""},
        {"", "", false, "", "", "DISPLAY is not set"},
    };
    for (const auto& row : rows) {
        const DisplayChoice choice = chooseDisplay(row.asked, row.x11, row.answers, row.wayland);
        const std::string where = std::string(row.asked) + "|" + row.x11 + "|" + row.wayland;
        EXPECT_EQ(choice.platform, QByteArray(row.platform)) << where;
        EXPECT_EQ(choice.problem.has_value(), row.problem != nullptr) << where;
        if (row.problem && choice.problem) {
            EXPECT_TRUE(choice.problem->contains(row.problem))
                << where << ": " << choice.problem->toStdString();
        }
    }
}

} // namespace
} // namespace kyvra

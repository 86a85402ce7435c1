// One main() for every suite: the code under test needs the player's application (timers, queued
// engine events, widgets), and mpv needs the C numeric locale once Qt has set its own.
#include "app/GuardedApplication.h"

#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kyvra::GuardedApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

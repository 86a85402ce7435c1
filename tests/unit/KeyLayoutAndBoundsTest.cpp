#include "platform/InputCodes.h"
#include "video/WindowBounds.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace kyvra;

// On keyboards other than the US one, letters, digits and brackets go by what the key means.
TEST(KeyCodes, KeysByMeaningButtonsAndShiftStates) {
    // Qt key, modifiers, X11 key code, virtual-key code.
    const std::tuple<int, Qt::KeyboardModifiers, quint32, int> keys[] = {
        {Qt::Key_A, {}, 0, 65},
        {Qt::Key_Z, {}, 0, 90},
        {Qt::Key_0, {}, 0, 48},
        {Qt::Key_5, Qt::KeypadModifier, 0, 101},
        {Qt::Key_Plus, Qt::KeypadModifier, 0, 107},
        {Qt::Key_Plus, {}, 0, 187},
        {Qt::Key_VolumeUp, {}, 0, 0},
        {Qt::Key_BracketLeft, {}, 17, 219}, // German AltGr+8 types "["
        {Qt::Key_BracketRight, {}, 18, 221},
        {Qt::Key_Ampersand, {}, 10, '1'},  // French "&" key is the 1 key
        {Qt::Key_Eacute, {}, 11, '2'},     // French "é" key
        {Qt::Key_ParenRight, {}, 19, '0'}, // US Shift+0
        {Qt::Key_Z, {}, 25, 'Z'},          // German Z sits where the US Y is
        {0x0419, {}, 24, 'Q'},             // Russian "Й" on the Q key
        {0x0421, {}, 54, 'C'},             // Russian "С" on the C key
        {Qt::Key_Comma, {}, 58, 188},      // French "," on the US M key stays a comma
        {Qt::Key_Udiaeresis, {}, 34, 0},   // German "Ü" has no command code
        {Qt::Key_Ampersand, {}, 0, 55},    // no key code known: US Shift+7
    };
    for (const auto& [key, modifiers, scanCode, code] : keys)
        EXPECT_EQ(virtualKeyCode(key, modifiers, scanCode), code) << std::hex << key;
    EXPECT_EQ(mouseButtonCode(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(shiftStateCode(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(shiftStateCode(Qt::KeypadModifier), 0);
}

TEST(WindowBounds, APictureTooLargeForTheScreenShrinksWithItsShapeKept) {
    const QSizeF area(1920 * 15, 1040 * 15);
    const QSizeF uhd = fitPictureWithin(QSizeF(3840 * 15, 2160 * 15), 105, area);
    EXPECT_DOUBLE_EQ(uhd.height() + 105, area.height());
    EXPECT_DOUBLE_EQ(uhd.width() / uhd.height(), 16.0 / 9.0);
    const QSizeF wide = fitPictureWithin(QSizeF(4000 * 15, 100 * 15), 105, area);
    EXPECT_DOUBLE_EQ(wide.width(), area.width());
    EXPECT_TRUE(fitPictureWithin(QSizeF(0, 0), 105, area).isEmpty());
}

#include "platform/InputCodes.h"

#include <QChar>
#include <QHash>

namespace kyvra {

int mouseButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int shiftStateCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

namespace {

const QHash<int, int>& keypadKeys() {
    static const QHash<int, int> table = {
        {Qt::Key_0, 96},      {Qt::Key_1, 97},       {Qt::Key_2, 98},         {Qt::Key_3, 99},
        {Qt::Key_4, 100},     {Qt::Key_5, 101},      {Qt::Key_6, 102},        {Qt::Key_7, 103},
        {Qt::Key_8, 104},     {Qt::Key_9, 105},      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
        {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},    {Qt::Key_Enter, 13},
    };
    return table;
}

const QHash<int, int>& otherKeys() {
    static const QHash<int, int> table = {
        {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
        {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
        {Qt::Key_Home, 36},        {Qt::Key_Left, 37},       {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},       {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},      {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},     {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},   {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},
        {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},       {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},   {Qt::Key_Exclam, 49},     {Qt::Key_At, 50},
        {Qt::Key_NumberSign, 51},  {Qt::Key_Dollar, 52},     {Qt::Key_Percent, 53},
        {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},  {Qt::Key_Asterisk, 56},
        {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
    };
    return table;
}

// X11 key codes (evdev + 8) of the digit row and of the three letter rows, in US order.
int digitAt(quint32 scanCode) {
    if (scanCode >= 10 && scanCode <= 18)
        return '1' + int(scanCode - 10);
    return scanCode == 19 ? '0' : 0;
}

int latinLetterAt(quint32 scanCode) {
    static const char* const rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const quint32 firsts[] = {24, 38, 52};
    for (int row = 0; row < 3; ++row) {
        const quint32 length = quint32(qstrlen(rows[row]));
        if (scanCode >= firsts[row] && scanCode < firsts[row] + length)
            return rows[row][scanCode - firsts[row]];
    }
    return 0;
}

bool isOtherScriptLetter(int qtKey) {
    return qtKey > 0x7f && qtKey <= 0xffff && QChar(char16_t(qtKey)).isLetter();
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
    if (modifiers & Qt::KeypadModifier) {
        if (auto it = keypadKeys().find(qtKey); it != keypadKeys().end())
            return it.value();
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey == Qt::Key_BracketLeft || qtKey == Qt::Key_BraceLeft)
        return 219;
    if (qtKey == Qt::Key_BracketRight || qtKey == Qt::Key_BraceRight)
        return 221;
    if (const int digit = digitAt(nativeScanCode))
        return digit;
    if (isOtherScriptLetter(qtKey)) {
        if (const int letter = latinLetterAt(nativeScanCode))
            return letter;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return otherKeys().value(qtKey, 0);
}

} // namespace kyvra

// SPDX-License-Identifier: GPL-3.0-or-later
// The key table: one code per physical key whatever the modifiers.
#include <QKeyEvent>
#include <linux/input-event-codes.h>

#include "app/vk_table.h"
#include "app_fixture.h"

namespace zembrik::test {
namespace {

int vk(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    const QKeyEvent e(QEvent::KeyPress, key, mods, text);
    return virtualKeyCode(&e);
}

struct SymbolCase {
    int key;
    Qt::KeyboardModifiers mods;
    int expected;
};

TEST(VirtualKeyCode, ShiftedDigitsGiveTheirDigitKey) {
    const SymbolCase cases[] = {
        {Qt::Key_Exclam, Qt::ShiftModifier, '1'},
        {Qt::Key_At, Qt::ShiftModifier, '2'},
        {Qt::Key_NumberSign, Qt::ShiftModifier, '3'},
        {Qt::Key_Dollar, Qt::ShiftModifier, '4'},
        {Qt::Key_Percent, Qt::ShiftModifier, '5'},
        {Qt::Key_AsciiCircum, Qt::ShiftModifier, '6'},
        {Qt::Key_Ampersand, Qt::ShiftModifier, '7'},
        {Qt::Key_Asterisk, Qt::ShiftModifier, '8'},
        {Qt::Key_ParenLeft, Qt::ShiftModifier, '9'},
        {Qt::Key_ParenRight, Qt::ShiftModifier, '0'},
        {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_0, Qt::ControlModifier, '0'},
    };
    for (const SymbolCase& c : cases)
        EXPECT_EQ(vk(c.key, c.mods), c.expected) << c.key;
}

TEST(VirtualKeyCode, LettersIgnoreShiftCtrlAndAlt) {
    EXPECT_EQ(vk(Qt::Key_A), 65);
    EXPECT_EQ(vk(Qt::Key_A, Qt::ShiftModifier, "A"), 65);
    EXPECT_EQ(vk(Qt::Key_Z, Qt::ControlModifier), 90);
    EXPECT_EQ(vk(Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier), 81);
}

TEST(VirtualKeyCode, PunctuationAndItsShiftedSymbolShareACode) {
    const std::pair<int, int> pairs[] = {
        {Qt::Key_Minus, Qt::Key_Underscore},      {Qt::Key_Equal, Qt::Key_Plus},
        {Qt::Key_BracketLeft, Qt::Key_BraceLeft}, {Qt::Key_Semicolon, Qt::Key_Colon},
        {Qt::Key_Apostrophe, Qt::Key_QuoteDbl},   {Qt::Key_Comma, Qt::Key_Less},
        {Qt::Key_Slash, Qt::Key_Question},        {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde},
    };
    for (const auto& [plain, shifted] : pairs) {
        EXPECT_NE(vk(plain), 0) << plain;
        EXPECT_EQ(vk(plain), vk(shifted, Qt::ShiftModifier)) << plain;
    }
    EXPECT_EQ(vk(Qt::Key_Semicolon), 186);
    EXPECT_EQ(vk(Qt::Key_QuoteLeft), 192);
    EXPECT_EQ(vk(Qt::Key_Apostrophe), 222);
}

TEST(VirtualKeyCode, ControlAndNavigationKeys) {
    EXPECT_EQ(vk(Qt::Key_Left), 37);
    EXPECT_EQ(vk(Qt::Key_Up), 38);
    EXPECT_EQ(vk(Qt::Key_Right), 39);
    EXPECT_EQ(vk(Qt::Key_Down), 40);
    EXPECT_EQ(vk(Qt::Key_Space), 32);
    EXPECT_EQ(vk(Qt::Key_Return), 13);
    EXPECT_EQ(vk(Qt::Key_Escape), 27);
    EXPECT_EQ(vk(Qt::Key_Backtab, Qt::ShiftModifier), 9);
    EXPECT_EQ(vk(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(vk(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(vk(Qt::Key_F1), 112);
    EXPECT_EQ(vk(Qt::Key_F12), 123);
    EXPECT_EQ(vk(Qt::Key_PageDown), 34);
    EXPECT_EQ(vk(Qt::Key_unknown), 0);
}

TEST(VirtualKeyCode, KeypadKeysHaveTheirOwnCodesWithOrWithoutNumLock) {
    EXPECT_EQ(vk(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(vk(Qt::Key_Clear, Qt::KeypadModifier), 101);
    EXPECT_EQ(vk(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(vk(Qt::Key_Home, Qt::KeypadModifier), 103);
    EXPECT_EQ(vk(Qt::Key_Home), 36);
    EXPECT_EQ(vk(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(vk(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(vk(Qt::Key_Slash, Qt::KeypadModifier), 111);
}

TEST(VirtualKeyCode, XKeyCodesFollowUsKeyPositions) {
    const std::pair<int, int> cases[] = {
        {KEY_1, '1'},        {KEY_0, '0'},      {KEY_A, 'A'},        {KEY_Q, 'Q'},
        {KEY_M, 'M'},        {KEY_LEFT, 37},    {KEY_DOWN, 40},      {KEY_SPACE, 32},
        {KEY_ENTER, 13},     {KEY_KPENTER, 13}, {KEY_LEFTSHIFT, 16}, {KEY_RIGHTSHIFT, 16},
        {KEY_RIGHTCTRL, 17}, {KEY_F1, 112},     {KEY_F10, 121},      {KEY_F11, 122},
        {KEY_KP0, 96},       {KEY_KP9, 105},    {KEY_KPSLASH, 111},  {KEY_SEMICOLON, 186},
        {KEY_ESC, 27},       {KEY_TAB, 9},
    };
    for (const auto& [evdev, expected] : cases)
        EXPECT_EQ(virtualKeyFromScanCode(static_cast<uint32_t>(evdev + 8)), expected) << evdev;
    EXPECT_EQ(virtualKeyFromScanCode(0), 0);
    EXPECT_EQ(virtualKeyFromScanCode(8), 0);
    EXPECT_EQ(virtualKeyFromScanCode(0xffffffffu), 0);
}

TEST(VirtualKeyCode, NoTwoLetterOrDigitPositionsShareACode) {
    std::array<int, 256> seen{};
    for (uint32_t x = 9; x < 256; ++x) {
        const int code = virtualKeyFromScanCode(x);
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
            EXPECT_EQ(seen[static_cast<size_t>(code)], 0) << code;
            ++seen[static_cast<size_t>(code)];
        }
    }
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(seen[static_cast<size_t>(c)], 1) << c;
    for (int c = '0'; c <= '9'; ++c)
        EXPECT_EQ(seen[static_cast<size_t>(c)], 1) << c;
}

} // namespace
} // namespace zembrik::test

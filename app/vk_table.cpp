// SPDX-License-Identifier: GPL-3.0-or-later
// The key table: X scan codes and Qt key symbols to Windows virtual-key codes.
#include "app/vk_table.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <linux/input-event-codes.h>

namespace zembrik {

namespace {

struct Pair {
    int from, vk;
};

// Linux input codes (US key positions) of keys outside the letter, digit and F-key runs.
constexpr Pair kEvdev[] = {
    {KEY_ESC, 27},           {KEY_0, '0'},          {KEY_MINUS, 189},     {KEY_EQUAL, 187},
    {KEY_BACKSPACE, 8},      {KEY_TAB, 9},          {KEY_LEFTBRACE, 219}, {KEY_RIGHTBRACE, 221},
    {KEY_ENTER, 13},         {KEY_KPENTER, 13},     {KEY_LEFTCTRL, 17},   {KEY_RIGHTCTRL, 17},
    {KEY_SEMICOLON, 186},    {KEY_APOSTROPHE, 222}, {KEY_GRAVE, 192},     {KEY_LEFTSHIFT, 16},
    {KEY_RIGHTSHIFT, 16},    {KEY_BACKSLASH, 220},  {KEY_COMMA, 188},     {KEY_DOT, 190},
    {KEY_SLASH, 191},        {KEY_KPASTERISK, 106}, {KEY_LEFTALT, 18},    {KEY_RIGHTALT, 18},
    {KEY_SPACE, 32},         {KEY_CAPSLOCK, 20},    {KEY_F11, 122},       {KEY_F12, 123},
    {KEY_NUMLOCK, 144},      {KEY_SCROLLLOCK, 145}, {KEY_KP0, 96},        {KEY_KP1, 97},
    {KEY_KP2, 98},           {KEY_KP3, 99},         {KEY_KP4, 100},       {KEY_KP5, 101},
    {KEY_KP6, 102},          {KEY_KP7, 103},        {KEY_KP8, 104},       {KEY_KP9, 105},
    {KEY_KPMINUS, 109},      {KEY_KPPLUS, 107},     {KEY_KPDOT, 110},     {KEY_KPSLASH, 111},
    {KEY_102ND, 226},        {KEY_SYSRQ, 44},       {KEY_HOME, 36},       {KEY_UP, 38},
    {KEY_PAGEUP, 33},        {KEY_LEFT, 37},        {KEY_RIGHT, 39},      {KEY_END, 35},
    {KEY_DOWN, 40},          {KEY_PAGEDOWN, 34},    {KEY_INSERT, 45},     {KEY_DELETE, 46},
    {KEY_MUTE, 173},         {KEY_VOLUMEDOWN, 174}, {KEY_VOLUMEUP, 175},  {KEY_PAUSE, 19},
    {KEY_LEFTMETA, 91},      {KEY_RIGHTMETA, 92},   {KEY_COMPOSE, 93},    {KEY_NEXTSONG, 176},
    {KEY_PREVIOUSSONG, 177}, {KEY_STOPCD, 178},     {KEY_PLAYPAUSE, 179},
};

// Letters by their position on a US keyboard, in virtual-key order A..Z.
constexpr int kLetterKeys[26] = {
    KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
    KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z,
};

// Keypad keys by symbol; with Num Lock off they report navigation symbols.
constexpr Pair kKeypadSymbols[] = {
    {Qt::Key_Insert, 96}, {Qt::Key_End, 97},     {Qt::Key_Down, 98},      {Qt::Key_PageDown, 99},
    {Qt::Key_Left, 100},  {Qt::Key_Clear, 101},  {Qt::Key_Right, 102},    {Qt::Key_Home, 103},
    {Qt::Key_Up, 104},    {Qt::Key_PageUp, 105}, {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Delete, 110},   {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},   {Qt::Key_Return, 13},
};

// Main-keyboard symbols outside the letter, digit and F-key runs; shifted symbols map back
// to their key (US layout).
constexpr Pair kSymbols[] = {
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_Space, 32},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Print, 44},
    {Qt::Key_SysReq, 44},
    {Qt::Key_Clear, 12},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Home, 36},
    {Qt::Key_End, 35},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_VolumeMute, 173},
    {Qt::Key_VolumeDown, 174},
    {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176},
    {Qt::Key_MediaPrevious, 177},
    {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaPlay, 179},
    {Qt::Key_MediaTogglePlayPause, 179},
};

template <size_t N> int lookup(const Pair (&table)[N], int from) {
    for (const Pair& p : table)
        if (p.from == from) return p.vk;
    return 0;
}

int fromEvdev(int code) {
    if (code >= KEY_1 && code <= KEY_9) return '1' + (code - KEY_1);
    if (code >= KEY_F1 && code <= KEY_F10) return 112 + (code - KEY_F1);
    if (code >= KEY_F13 && code <= KEY_F24) return 124 + (code - KEY_F13);
    for (int i = 0; i < 26; ++i)
        if (kLetterKeys[i] == code) return 'A' + i;
    return lookup(kEvdev, code);
}

int fromKeypadSymbol(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    return lookup(kKeypadSymbols, key);
}

int fromSymbol(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    return lookup(kSymbols, key);
}

// X11 and Wayland report X key codes, which are Linux input codes plus 8.
bool scanCodesAreX() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

} // namespace

int virtualKeyFromScanCode(uint32_t xKeyCode) {
    return xKeyCode > 8 && xKeyCode < 512 ? fromEvdev(static_cast<int>(xKeyCode - 8)) : 0;
}

int virtualKeyCode(const QKeyEvent* e) {
    if (!e) return 0;
    if (scanCodesAreX()) {
        if (const int vk = virtualKeyFromScanCode(e->nativeScanCode())) return vk;
    }
    if (e->modifiers() & Qt::KeypadModifier) {
        if (const int vk = fromKeypadSymbol(e->key())) return vk;
    }
    return fromSymbol(e->key());
}

} // namespace zembrik

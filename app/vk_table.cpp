// The key table: X scan codes and Qt key symbols to Windows virtual-key codes.
#include "app/vk_table.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <linux/input-event-codes.h>

namespace zembrik {

namespace {

// Linux input codes (US key positions) to virtual-key codes; 0 for keys without one.
int fromEvdev(quint32 code) {
    switch (code) {
    case KEY_ESC:
        return 27;
    case KEY_1:
    case KEY_2:
    case KEY_3:
    case KEY_4:
    case KEY_5:
    case KEY_6:
    case KEY_7:
    case KEY_8:
    case KEY_9:
        return '1' + static_cast<int>(code - KEY_1);
    case KEY_0:
        return '0';
    case KEY_MINUS:
        return 189;
    case KEY_EQUAL:
        return 187;
    case KEY_BACKSPACE:
        return 8;
    case KEY_TAB:
        return 9;
    case KEY_Q:
        return 'Q';
    case KEY_W:
        return 'W';
    case KEY_E:
        return 'E';
    case KEY_R:
        return 'R';
    case KEY_T:
        return 'T';
    case KEY_Y:
        return 'Y';
    case KEY_U:
        return 'U';
    case KEY_I:
        return 'I';
    case KEY_O:
        return 'O';
    case KEY_P:
        return 'P';
    case KEY_LEFTBRACE:
        return 219;
    case KEY_RIGHTBRACE:
        return 221;
    case KEY_ENTER:
    case KEY_KPENTER:
        return 13;
    case KEY_LEFTCTRL:
    case KEY_RIGHTCTRL:
        return 17;
    case KEY_A:
        return 'A';
    case KEY_S:
        return 'S';
    case KEY_D:
        return 'D';
    case KEY_F:
        return 'F';
    case KEY_G:
        return 'G';
    case KEY_H:
        return 'H';
    case KEY_J:
        return 'J';
    case KEY_K:
        return 'K';
    case KEY_L:
        return 'L';
    case KEY_SEMICOLON:
        return 186;
    case KEY_APOSTROPHE:
        return 222;
    case KEY_GRAVE:
        return 192;
    case KEY_LEFTSHIFT:
    case KEY_RIGHTSHIFT:
        return 16;
    case KEY_BACKSLASH:
        return 220;
    case KEY_Z:
        return 'Z';
    case KEY_X:
        return 'X';
    case KEY_C:
        return 'C';
    case KEY_V:
        return 'V';
    case KEY_B:
        return 'B';
    case KEY_N:
        return 'N';
    case KEY_M:
        return 'M';
    case KEY_COMMA:
        return 188;
    case KEY_DOT:
        return 190;
    case KEY_SLASH:
        return 191;
    case KEY_KPASTERISK:
        return 106;
    case KEY_LEFTALT:
    case KEY_RIGHTALT:
        return 18;
    case KEY_SPACE:
        return 32;
    case KEY_CAPSLOCK:
        return 20;
    case KEY_F1:
    case KEY_F2:
    case KEY_F3:
    case KEY_F4:
    case KEY_F5:
    case KEY_F6:
    case KEY_F7:
    case KEY_F8:
    case KEY_F9:
    case KEY_F10:
        return 112 + static_cast<int>(code - KEY_F1);
    case KEY_F11:
        return 122;
    case KEY_F12:
        return 123;
    case KEY_NUMLOCK:
        return 144;
    case KEY_SCROLLLOCK:
        return 145;
    case KEY_KP7:
        return 103;
    case KEY_KP8:
        return 104;
    case KEY_KP9:
        return 105;
    case KEY_KPMINUS:
        return 109;
    case KEY_KP4:
        return 100;
    case KEY_KP5:
        return 101;
    case KEY_KP6:
        return 102;
    case KEY_KPPLUS:
        return 107;
    case KEY_KP1:
        return 97;
    case KEY_KP2:
        return 98;
    case KEY_KP3:
        return 99;
    case KEY_KP0:
        return 96;
    case KEY_KPDOT:
        return 110;
    case KEY_102ND:
        return 226;
    case KEY_KPSLASH:
        return 111;
    case KEY_SYSRQ:
        return 44;
    case KEY_HOME:
        return 36;
    case KEY_UP:
        return 38;
    case KEY_PAGEUP:
        return 33;
    case KEY_LEFT:
        return 37;
    case KEY_RIGHT:
        return 39;
    case KEY_END:
        return 35;
    case KEY_DOWN:
        return 40;
    case KEY_PAGEDOWN:
        return 34;
    case KEY_INSERT:
        return 45;
    case KEY_DELETE:
        return 46;
    case KEY_MUTE:
        return 173;
    case KEY_VOLUMEDOWN:
        return 174;
    case KEY_VOLUMEUP:
        return 175;
    case KEY_PAUSE:
        return 19;
    case KEY_LEFTMETA:
        return 91;
    case KEY_RIGHTMETA:
        return 92;
    case KEY_COMPOSE:
        return 93;
    case KEY_NEXTSONG:
        return 176;
    case KEY_PLAYPAUSE:
        return 179;
    case KEY_PREVIOUSSONG:
        return 177;
    case KEY_STOPCD:
        return 178;
    default:
        break;
    }
    if (code >= KEY_F13 && code <= KEY_F24) return 124 + static_cast<int>(code - KEY_F13);
    return 0;
}

// Keypad keys by symbol; with Num Lock off they report navigation symbols.
int fromKeypadSymbol(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Insert:
        return 96;
    case Qt::Key_End:
        return 97;
    case Qt::Key_Down:
        return 98;
    case Qt::Key_PageDown:
        return 99;
    case Qt::Key_Left:
        return 100;
    case Qt::Key_Clear:
        return 101;
    case Qt::Key_Right:
        return 102;
    case Qt::Key_Home:
        return 103;
    case Qt::Key_Up:
        return 104;
    case Qt::Key_PageUp:
        return 105;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Delete:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return 13;
    default:
        return 0;
    }
}

// Main-keyboard keys by symbol, shifted symbols mapped back to their key (US layout).
int fromSymbol(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return 91;
    case Qt::Key_Super_R:
        return 92;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    case Qt::Key_Print:
    case Qt::Key_SysReq:
        return 44;
    case Qt::Key_Clear:
        return 12;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_End:
        return 35;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_VolumeMute:
        return 173;
    case Qt::Key_VolumeDown:
        return 174;
    case Qt::Key_VolumeUp:
        return 175;
    case Qt::Key_MediaNext:
        return 176;
    case Qt::Key_MediaPrevious:
        return 177;
    case Qt::Key_MediaStop:
        return 178;
    case Qt::Key_MediaPlay:
    case Qt::Key_MediaTogglePlayPause:
        return 179;
    default:
        return 0;
    }
}

// X11 and Wayland report X key codes, which are Linux input codes plus 8.
bool scanCodesAreX() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

} // namespace

int virtualKeyCode(const QKeyEvent* e) {
    if (!e) return 0;
    const quint32 scan = e->nativeScanCode();
    if (scan > 8 && scanCodesAreX()) {
        if (const int vk = fromEvdev(scan - 8)) return vk;
    }
    if (e->modifiers() & Qt::KeypadModifier) {
        if (const int vk = fromKeypadSymbol(e->key())) return vk;
    }
    return fromSymbol(e->key());
}

} // namespace zembrik

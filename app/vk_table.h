// SPDX-License-Identifier: GPL-3.0-or-later
// Maps Qt key events to the Windows virtual-key codes stored in the key settings file.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace zembrik {

// One virtual-key code (0..255) per physical key whatever Shift, Ctrl or Alt are held:
// letters 65..90, digits 48..57, arrows 37..40, keypad 96..111, F1..F12 112..123, and so on.
// Uses the X scan code (US key positions) when the platform gives one, else the key symbol
// with shifted symbols mapped back to their key. 0 when the key is unknown.
int virtualKeyCode(const QKeyEvent* e);

// The virtual-key code of an X key code (Linux input code + 8, US key positions); 0 when
// the key has none.
int virtualKeyFromScanCode(uint32_t xKeyCode);

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The pad's default layout, SDL's button names and option_pad.000's text.
#include "app/pad_layout.h"

namespace zembrik {

namespace {

constexpr std::array<std::string_view, kPadButtons> kNames{"a",
                                                           "b",
                                                           "x",
                                                           "y",
                                                           "back",
                                                           "guide",
                                                           "start",
                                                           "leftstick",
                                                           "rightstick",
                                                           "leftshoulder",
                                                           "rightshoulder",
                                                           "dpup",
                                                           "dpdown",
                                                           "dpleft",
                                                           "dpright",
                                                           "misc1",
                                                           "paddle1",
                                                           "paddle2",
                                                           "paddle3",
                                                           "paddle4",
                                                           "touchpad"};

constexpr uint32_t bit(int button) {
    return uint32_t{1} << button;
}

} // namespace

PadLayout defaultPadLayout() {
    PadLayout l;
    l.buttons = {bit(kPadLeft), bit(kPadRight),
                 bit(kPadDown), bit(kPadB),
                 bit(kPadA),    bit(kPadY),
                 bit(kPadUp),   bit(kPadLeftShoulder) | bit(kPadRightShoulder)};
    return l;
}

std::string_view padButtonName(int button) {
    if (button < 0 || button >= kPadButtons) return {};
    return kNames[static_cast<size_t>(button)];
}

int padButtonOf(std::string_view name) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<int>(i);
    return -1;
}

PadLayout readPadLayout(std::string_view text, int& badLines) {
    PadLayout l = defaultPadLayout();
    badLines = 0;
    for (size_t action = 0; action < l.buttons.size() && !text.empty(); ++action) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        uint32_t buttons = 0;
        bool bad = false;
        while (!line.empty() && !bad) {
            const size_t space = line.find(' ');
            const std::string_view name = line.substr(0, space);
            line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
            if (name.empty()) continue;
            const int b = padButtonOf(name);
            if (b < 0)
                bad = true;
            else
                buttons |= bit(b);
        }
        if (bad || buttons == 0)
            ++badLines;
        else
            l.buttons[action] = buttons;
    }
    return l;
}

std::string padLayoutText(const PadLayout& layout) {
    std::string text;
    for (const uint32_t buttons : layout.buttons) {
        std::string line;
        for (int b = 0; b < kPadButtons; ++b)
            if (buttons & bit(b)) {
                if (!line.empty()) line += ' ';
                line += padButtonName(b);
            }
        text += line + "\r\n";
    }
    return text;
}

} // namespace zembrik

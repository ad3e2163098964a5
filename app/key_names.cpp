// SPDX-License-Identifier: GPL-3.0-or-later
// Shipped key names and the key-name file reader.
#include "app/key_names.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace zembrik {

namespace {

struct Named {
    int code;
    const char* name;
};

// Keys of a standard PC keyboard with their Windows virtual-key codes.
constexpr Named kNames[] = {
    {8, "Backspace"},
    {9, "Tab"},
    {12, "Clear (keypad 5)"},
    {13, "Enter"},
    {16, "Shift"},
    {17, "Ctrl"},
    {18, "Alt"},
    {19, "Pause"},
    {20, "Caps Lock"},
    {27, "Esc"},
    {32, "Space"},
    {33, "Page Up"},
    {34, "Page Down"},
    {35, "End"},
    {36, "Home"},
    {37, "Left arrow"},
    {38, "Up arrow"},
    {39, "Right arrow"},
    {40, "Down arrow"},
    {44, "Print Screen"},
    {45, "Insert"},
    {46, "Delete"},
    {91, "Left Windows"},
    {92, "Right Windows"},
    {93, "Menu"},
    {96, "Keypad 0"},
    {97, "Keypad 1"},
    {98, "Keypad 2"},
    {99, "Keypad 3"},
    {100, "Keypad 4"},
    {101, "Keypad 5"},
    {102, "Keypad 6"},
    {103, "Keypad 7"},
    {104, "Keypad 8"},
    {105, "Keypad 9"},
    {106, "Keypad *"},
    {107, "Keypad +"},
    {109, "Keypad -"},
    {110, "Keypad ."},
    {111, "Keypad /"},
    {144, "Num Lock"},
    {145, "Scroll Lock"},
    {173, "Mute"},
    {174, "Volume Down"},
    {175, "Volume Up"},
    {176, "Next Track"},
    {177, "Previous Track"},
    {178, "Stop Media"},
    {179, "Play/Pause"},
    {186, "; :"},
    {187, "= +"},
    {188, ", <"},
    {189, "- _"},
    {190, ". >"},
    {191, "/ ?"},
    {192, "` ~"},
    {219, "[ {"},
    {220, "\\ |"},
    {221, "] }"},
    {222, "' \""},
    {226, "\\ | (extra key)"},
};

} // namespace

std::string shippedKeyName(int code) {
    auto line = [code](const std::string& name) { return std::to_string(code) + " " + name; };
    if (code >= '0' && code <= '9') return line(std::string(1, static_cast<char>(code)));
    if (code >= 'A' && code <= 'Z') return line(std::string(1, static_cast<char>(code)));
    if (code >= 112 && code <= 135) return line("F" + std::to_string(code - 111));
    for (const Named& n : kNames)
        if (n.code == code) return line(n.name);
    return {};
}

int readKeyNames(std::string_view text, std::array<std::string, 256>& names) {
    int skipped = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;

        // The number at the start: blanks skipped, then as many characters as can form a
        // decimal number; rounded half to even like the integer conversion of the number.
        size_t i = line.find_first_not_of(" \t");
        size_t j = i;
        if (j < line.size() && (line[j] == '+' || line[j] == '-')) ++j;
        size_t digits = 0;
        while (j < line.size() && line[j] >= '0' && line[j] <= '9')
            ++j, ++digits;
        if (j < line.size() && line[j] == '.') {
            ++j;
            while (j < line.size() && line[j] >= '0' && line[j] <= '9')
                ++j, ++digits;
        }
        if (digits == 0) {
            ++skipped;
            continue;
        }
        const double value = std::nearbyint(std::strtod(line.substr(i, j - i).c_str(), nullptr));
        if (!(value >= 0 && value <= 255)) {
            ++skipped;
            continue;
        }
        names[static_cast<size_t>(value)] = std::move(line);
    }
    return skipped;
}

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the key-name reader: no crash, every stored name is one whole line that starts with
// its own key code, and every line is either stored or counted as skipped.
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/key_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::array<std::string, 256> names;
    const int skipped = zembrik::readKeyNames(text, names);
    if (skipped < 0) std::abort();

    int lines = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") != std::string_view::npos) ++lines;
        pos = end + 1;
    }
    if (skipped > lines) std::abort();

    for (size_t code = 0; code < names.size(); ++code) {
        const std::string& name = names[code];
        if (name.empty()) continue;
        if (name.find('\n') != std::string::npos) std::abort();
        if (text.find(name) == std::string_view::npos) std::abort(); // not made up
        // The leading number: blanks, an optional sign, digits with at most one point.
        size_t i = name.find_first_not_of(" \t"), j = i;
        if (j < name.size() && (name[j] == '+' || name[j] == '-')) ++j;
        while (j < name.size() && ((name[j] >= '0' && name[j] <= '9') || name[j] == '.')) {
            if (name[j] == '.' && name.find('.', i) < j) break;
            ++j;
        }
        const double lead = std::nearbyint(std::strtod(name.substr(i, j - i).c_str(), nullptr));
        if (lead != static_cast<double>(code)) std::abort(); // stored under its own code
    }
    return 0;
}

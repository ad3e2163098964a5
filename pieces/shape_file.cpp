// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a shape set into the shape table, all or nothing.
#include "pieces/shape_file.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zembrik {

namespace {

constexpr int kNumbers = 7 * 4 * 16;       // 448
constexpr size_t kMaxFileBytes = 1u << 20; // a real set is a few kilobytes

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string loadshapesFromText(Game& g, const std::string& text, const std::string& name) {
    std::array<int16_t, kNumbers> numbers{};
    int count = 0, line = 1;
    size_t i = 0;
    while (i < text.size() && count < kNumbers) {
        if (isSeparator(text[i])) {
            // A CR LF pair, a lone CR or a lone LF each end one line.
            if (text[i] == '\n' ||
                (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                ++line;
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string token = text.substr(i, end - i);
        const char* first = token.data();
        if (*first == '+' && token.size() > 1 && token[1] != '-') ++first; // "+5", never "+-5"
        int value = 0;
        auto [ptr, ec] = std::from_chars(first, token.data() + token.size(), value);
        // Shown in a message: cut short, control bytes as '?'.
        std::string shown = token.size() > 20 ? token.substr(0, 20) + "..." : token;
        for (char& c : shown)
            if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
        if (ec == std::errc::result_out_of_range ||
            (ec == std::errc() && (value < -32768 || value > 32767)))
            return name + ": line " + std::to_string(line) + ": '" + shown + "' is out of range";
        if (ec != std::errc() || ptr != token.data() + token.size())
            return name + ": line " + std::to_string(line) + ": '" + shown + "' is not a number";
        numbers[static_cast<size_t>(count++)] = static_cast<int16_t>(value);
        i = end;
    }
    if (count < kNumbers)
        return name + ": only " + std::to_string(count) + " numbers, a shape set needs " +
               std::to_string(kNumbers);
    for (int k = 0; k < kNumbers; ++k)
        g.shapes(1 + k / 64, (k / 16) % 4, k % 16) = numbers[static_cast<size_t>(k)];
    return {};
}

std::string loadshapes(Game& g, const std::string& path) {
    // Only a plain file is read: a folder would read as empty, and a pipe could block forever.
    std::error_code ec;
    const auto kind = std::filesystem::status(path, ec).type();
    if (kind == std::filesystem::file_type::not_found) return path + ": cannot be opened";
    if (!ec && kind != std::filesystem::file_type::regular) return path + ": is not a plain file";
    std::ifstream in(path, std::ios::binary);
    if (!in) return path + ": cannot be opened";
    std::string text;
    text.resize(kMaxFileBytes);
    in.read(text.data(), static_cast<std::streamsize>(kMaxFileBytes));
    text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return path + ": cannot be read";
    // A UTF-8 byte-order mark that an editor put first is not part of the first number.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    return loadshapesFromText(g, text, path);
}

} // namespace zembrik

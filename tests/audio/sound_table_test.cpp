// SPDX-License-Identifier: GPL-3.0-or-later
// Which slot each play request names.
#include "audio/sound.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

struct Request {
    const char* code;
    int16_t count;
    int slot;
};

TEST(SoundSlot, CodesAndCounts) {
    const Request table[] = {
        {"lck", 0, 0},  {"lnd", 0, 5},   {"stt", 0, 6},    {"end", 0, 7},    {"hld", 0, 8},
        {"ers", 1, 1},  {"ers", 2, 2},   {"ers", 3, 3},    {"ers", 4, 4},    {"ers", 5, 4},
        {"ers", 22, 4}, {"ers", 0, 0},   {"ers", -1, -1},  {"abs", 3, 3},    {"abs", 0, 0},
        {"abs", 9, 9},  {"abs", -2, -2}, {"lckXYZ", 4, 0}, {"ersatz", 2, 2}, {"hldx", 0, 8},
        {"xyz", 3, 0},  {"", 0, 0},      {"er", 2, 0},     {"ERS", 2, 0},    {"ab", 3, 0},
        {" ers", 2, 0},
    };
    for (const Request& r : table)
        EXPECT_EQ(soundSlot(r.code, r.count), r.slot) << '"' << r.code << "\" " << r.count;
}

} // namespace
} // namespace zembrik

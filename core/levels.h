// SPDX-License-Identifier: GPL-3.0-or-later
// Level tables: gravity, lock and entry delays, auto-repeat delay and level texts, all in steps.
#pragma once

#include <cstdint>
#include <string>

#include "core/record.h"

namespace zembrik {

// Levels 0-6: steps per row; 7-9: rows per step; 10-20: the lock delay. 0 for any other level.
inline int16_t levels(int32_t level) {
    static constexpr int16_t kTable[21] = {60, 30, 15, 8,  4,  2,  1,  2,  3, 5, 1000,
                                           33, 28, 24, 20, 17, 14, 12, 10, 8, 20};
    return (level >= 0 && level <= 20) ? kTable[level] : 0;
}

// Entry delay before a new piece.
inline int16_t newdelay(int32_t level) {
    if (level >= 0 && level < 10) return 25;
    switch (level) {
    case 10:
        return 20;
    case 11:
        return 15;
    case 12:
        return 12;
    case 13:
        return 10;
    case 14:
        return 7;
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
        return 5;
    case 20:
        return 10;
    default:
        return 0;
    }
}

// Lock delay: how long a landed piece may still move before it locks.
inline int16_t lockdelay(int32_t level) {
    return level < 10 ? int16_t{40} : levels(level);
}

// Line-clear delay: the pause after a lock or a cascade that cleared rows (and after every
// lock in the modes that always pause).
inline int16_t linedelay(int32_t level) {
    return level >= 10 ? int16_t{5} : int16_t{15};
}

// Sets the auto-repeat delay for the level and restarts both repeat counters. Custom handling
// has one delay at every level: its steps from the first move to the repeat, plus the step of
// that first move.
inline void changemovedl(Game& g, int32_t level) {
    if (g.handling.custom == 1)
        g.moveDelay = static_cast<int16_t>(g.handling.delay + 1);
    else
        g.moveDelay = level < 10 ? 10 : (level < 15 ? 6 : 3);
    g.mlCount = 0;
    g.mrCount = 0;
}

// Every 100 pieces and rows counted in levelCount the level rises by one, with its auto-repeat
// delay; the rest of the count carries over.
inline void levelUp(Game& g) {
    if (g.levelCount < 100) return;
    g.levelCount = static_cast<int16_t>(g.levelCount - 100);
    g.curLevel = static_cast<int16_t>(g.curLevel + 1);
    changemovedl(g, g.curLevel);
}

// "H0".."H9", "M0".."M9", "?!" for 20, empty otherwise.
inline std::string levelstr(int16_t level) {
    if (level >= 0 && level <= 9) return {'H', static_cast<char>('0' + level)};
    if (level >= 10 && level <= 19) return {'M', static_cast<char>('0' + level - 10)};
    if (level == 20) return "?!";
    return {};
}

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The integers of the settings files, in file order: where each lives, its name in the notes,
// its range and its shipped value. Only app/settings_file.cpp reads and writes through them.
#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <type_traits>

#include "app/settings.h"
#include "core/options.h"
#include "core/record.h"
#include "engine/keys.h"

namespace zembrik {

// One integer of a settings file: how it is read from and put into its owner, its name in
// notes, its range and default. A value out of range is clamped into it, or with clamp false
// (a number that names a choice rather than measures something) replaced by the default.
template <class Owner> struct IntSlot {
    int16_t (*get)(const Owner&);
    void (*put)(Owner&, int16_t);
    const char* name;
    int16_t lo, hi, def;
    bool clamp = true;
};

// The slot of the member reached from Owner through Path, one member after another (the
// settings' options' handling's delay: a fold of .* over the path); a mode is kept as its number.
template <class Owner, auto... Path>
constexpr IntSlot<Owner> intSlot(const char* name, int16_t lo, int16_t hi, int16_t def,
                                 bool clamp = true) {
    constexpr auto get = [](const Owner& o) { return static_cast<int16_t>((o.*....*Path)); };
    constexpr auto put = [](Owner& o, int16_t v) {
        auto& at = (o.*....*Path);
        at = static_cast<std::remove_reference_t<decltype(at)>>(v);
    };
    return IntSlot<Owner>{get, put, name, lo, hi, def, clamp};
}

// option_game.000's numbers: the options a game starts with, and the sound switch.
struct GameLines {
    GameOptions options;
    int16_t muteOpt = 0;
};
constexpr auto kOpt = &GameLines::options;

// option_game.000, in file order, with each control's range and the shipped value.
constexpr std::array<IntSlot<GameLines>, 7> kGameSlots{{
    intSlot<GameLines, kOpt, &GameOptions::startLevel>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "level"), 0, 20, 0),
    intSlot<GameLines, kOpt, &GameOptions::holdOpt>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "hold"), 0, 1, 1),
    intSlot<GameLines, kOpt, &GameOptions::quaOpt>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "gravity"), 0, 2, 0),
    intSlot<GameLines, kOpt, &GameOptions::nextOpt>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "next pieces"), 0, 1, 1),
    intSlot<GameLines, kOpt, &GameOptions::ghostOpt>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "shadow"), 0, 1, 1),
    intSlot<GameLines, &GameLines::muteOpt>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "sound"), 0,
                                            1, 0),
    intSlot<GameLines, kOpt, &GameOptions::clbOpt>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "climbing"), 0, 2, 0),
}};

// option_key.000, in file order.
constexpr std::array<IntSlot<Game>, 9> kKeySlots{{
    intSlot<Game, &Game::keyMl>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "move left key"), 0,
                                255, kDefaultKeys.ml),
    intSlot<Game, &Game::keyMr>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "move right key"), 0,
                                255, kDefaultKeys.mr),
    intSlot<Game, &Game::keyMd>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "soft drop key"), 0,
                                255, kDefaultKeys.md),
    intSlot<Game, &Game::keyRl>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "rotate left key"), 0,
                                255, kDefaultKeys.rl),
    intSlot<Game, &Game::keyRr>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "rotate right key"), 0,
                                255, kDefaultKeys.rr),
    intSlot<Game, &Game::keyRo>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "half turn key"), 0,
                                255, kDefaultKeys.ro),
    intSlot<Game, &Game::keyFd>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "hard drop key"), 0,
                                255, kDefaultKeys.fd),
    intSlot<Game, &Game::keyHd>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "hold key"), 0, 255,
                                kDefaultKeys.hd),
    intSlot<Game, &Game::keySt>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "start key"), 0, 255,
                                kDefaultKeys.st),
}};

constexpr auto kMode = &GameOptions::mode;
constexpr auto kHandling = &GameOptions::handling;

// option_more.000, in file order: what the classic files had no place for. New lines go at
// the end; a file written before they existed simply lacks them and they take their default.
constexpr std::array<IntSlot<Settings>, 12> kMoreSlots{{
    intSlot<Settings, &Settings::pauseOnFocusLoss>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "pause on focus loss"), 0, 1, 1),
    intSlot<Settings, &Settings::clientWidth>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "window width"), 0, 32767, 0),
    intSlot<Settings, &Settings::clientHeight>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "window height"), 0, 32767, 0),
    intSlot<Settings, &Settings::fullScreen>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "full screen"), 0, 1, 0),
    // A mode or handling out of range is one this version does not know: Classic and the
    // default numbers, never the nearest (a mode 7 is not Ultra).
    intSlot<Settings, &Settings::options, kMode>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "game mode"), 0, kModes.size() - 1, 0, false),
    intSlot<Settings, &Settings::options, kHandling, &Handling::custom>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "handling"), 0, 1, 0, false),
    intSlot<Settings, &Settings::options, kHandling, &Handling::delay>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "auto-repeat delay"), 0, kMaxRepeatDelay,
        Handling{}.delay, false),
    intSlot<Settings, &Settings::options, kHandling, &Handling::interval>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "auto-repeat interval"), 0, kMaxRepeatInterval,
        Handling{}.interval, false),
    intSlot<Settings, &Settings::options, kHandling, &Handling::softDrop>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "soft-drop interval"), 0, kMaxSoftDropInterval,
        Handling{}.softDrop, false),
    intSlot<Settings, &Settings::languageLine>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "language"), 0, 32767, 0),
    intSlot<Settings, &Settings::maximized>(
        QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "maximised"), 0, 1, 0),
    intSlot<Settings, &Settings::scaling>(QT_TRANSLATE_NOOP("zembrik::SettingsNotes", "scaling"), 0,
                                          1, 0),
}};

} // namespace zembrik

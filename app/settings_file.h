// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings files in the player's settings folder.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "app/places.h"
#include "app/settings.h"
#include "core/record.h"

namespace zembrik {

struct Style;

// Loads a block style by bare file name; returns "" on success or an error text, and must
// leave the current style in place on failure.
using StyleLoader = std::function<std::string(const std::string& name)>;

// The settings files the game writes, in the order it writes them (option_more.000 apart).
inline constexpr const char* kSettingsFiles[] = {"option_game.000", "option_style.000",
                                                 "option_key.000"};

// Loads the shape set <name> (the player's one, else the shipped one) into shapes 1..7; only
// a plain file is opened, so a pipe or device put in its place cannot stall the game. Returns
// "" or an error text, and leaves the shape table as it was on error.
std::string loadShapeSet(Game& g, const Places& places, const std::string& name);

// True when the shape set or style <name> that would be loaded is a plain file or a link to
// one (not a folder, pipe or device).
bool isPlainDataFile(const Places& places, const std::string& name);

// Reads option_key.000, keycode.000 (shipped only), option_style.000 (loading the shape set
// and the style it names, then emptying shape 0) and option_game.000, in that order, each
// settings file from the player's settings folder or, while it has none, the shipped one.
// Never fails: a missing file or value gives the shipped default, a value outside its
// control's range is clamped, an unusable shape set or style falls back to the shipped one. A
// UTF-8 byte-order mark is skipped; UTF-16 text, and anything but a plain file or a link to
// one, is not read and goes into s.keepUnlessChanged. Returns one line per problem found,
// empty when all was well.
QStringList loadfile(Game& g, Settings& s, Style& style, const Places& places);

// The sound setting (muteOpt: 0 on, 1 off) exactly as loadfile will read it from
// option_game.000, read alone and changing nothing, so the sound can start loading early.
int16_t readSoundSetting(const Places& places);

// The language setting (option_more.000 line 10) as readMoreSettings will read it, read alone
// before the window is made; its notes come at start-up with the others.
int16_t readLanguageSetting(const Places& places);

// The same with the style loading supplied by the caller (tests, tools).
QStringList loadfile(Game& g, Settings& s, const StyleLoader& loadStyle, const Places& places);
// The same for the portable folder appDir (tests, tools).
QStringList loadfile(Game& g, Settings& s, const StyleLoader& loadStyle, const QString& appDir);

// Writes option_game.000, option_style.000 and option_key.000 into the settings folder
// (created, readable by the player only, when missing), in that order, each through
// writeFileSafely (store/safe_file.h): a failure leaves the old file whole, and only a plain
// file or a link to one is written. A file listed in s.keepUnlessChanged is left alone while
// its text is unchanged. Returns "" or one line per file that could not be written, naming it
// and the reason.
QString writeSettings(const Game& g, const Settings& s, const Places& places);
// The same for the portable folder appDir (tests, tools).
QString writeSettings(const Game& g, const Settings& s, const QString& appDir);

// Why the settings could not be written into the settings folder, or "" when they can.
// Creates and changes nothing.
QString settingsWriteProblem(const Places& places);

// The exact text of each file as writeSettings writes it (integers as " 5 " or "-1 ",
// CR LF line ends).
QByteArray gameFileText(const Game& g, const Settings& s);
QByteArray styleFileText(const Settings& s);
QByteArray keyFileText(const Game& g);

// option_more.000 in settingsDir, beside the other settings: the choices the classic files had
// no place for, one integer a line in the writing rules of option_game.000 (" 1 " CR LF).
// Reading takes the same separators as option_game.000. A missing file or line gives its
// default without a note, so a file from before a line was added still reads; a value that is
// not a number or out of range gives a note. Returns one line per problem found.
QStringList readMoreSettings(Settings& s, const QString& settingsDir);
// Writes option_more.000 through the safe writer (creating settingsDir if needed); "" or the
// reason it failed.
QString writeMoreSettings(const Settings& s, const QString& settingsDir);
QByteArray moreFileText(const Settings& s);

} // namespace zembrik

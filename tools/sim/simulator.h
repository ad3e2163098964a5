// SPDX-License-Identifier: GPL-3.0-or-later
// Running the rules with no window, clock or sound: scripted replays and the random soak.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/record.h"
#include "options.h"
#include "script.h"
#include "store/replay.h"

namespace zembrik::sim {

// The shape set used without --shapes: the one named by the first line of
// data/option_style.000 in appDir, or data/centre.kblox when that file is missing.
std::filesystem::path defaultShapes(const std::filesystem::path& appDir);

// The style file name used without --style: the second line of data/option_style.000 in
// appDir, or classic.style.
std::string defaultStyleName(const std::filesystem::path& appDir);

// The options a game of the simulator starts with: the command line's, with that shape set.
GameOptions gameOptionsOf(const SimOptions& o, const std::filesystem::path& shapes);

// Prepares a record as the program leaves it on its menu: shapes loaded (shape 0 empty), the
// options and the simulator's key assignments set. Returns an error text, empty on success.
std::string prepareGame(Game& g, const SimOptions& o, const std::filesystem::path& shapes);

// Draws the frame the game shows after a tick whose render flag was nocurr and saves it to
// file. Returns an error text, empty on success.
using ShotFn = std::function<std::string(const Game& g, int16_t nocurr, const std::string& file)>;

// Plays one game from the new-game state, one step per tick call, delivering the script's
// key events; writes a JSON line per dump and a last one with "end": true, and a picture per
// shot through `shot`. Returns the first shot's error (the run stops there), empty otherwise.
std::string runScript(Game& g, const SimOptions& o, const std::vector<Event>& events,
                      std::ostream& out, const ShotFn& shot = {});

// Runs o.soak steps of random key presses, starting a new game after each one ends, checking
// the record's invariants after every step. Writes one JSON summary line; on a broken
// invariant writes the seed and step to err and returns 1, else 0.
int runSoak(Game& g, const SimOptions& o, std::ostream& out, std::ostream& err);

// Reruns a replay's game on g: a JSON dump line whenever a tick call reaches another multiple
// of dumpEvery steps (0: none; a call of several steps is dumped once, after its last step) and
// the end line after the game's end. Returns 0 when the rerun reached the recorded end; 4 when
// it diverged, with "replay diverged at step S: FIELD" on err (output stops there).
int runReplay(Game& g, const Replay& replay, int64_t dumpEvery, std::ostream& out,
              std::ostream& err);

// The record as one JSON object (no line end). `sounds` are "code:count" strings.
std::string stateJson(const Game& g, int64_t step, const std::vector<std::string>& sounds,
                      bool end);

// The first invariant the record breaks, or nullptr: walls and floor solid, the buffer rows
// empty, shape 0 empty, counters in range, the active piece inside the well.
const char* brokenInvariant(const Game& g);

} // namespace zembrik::sim

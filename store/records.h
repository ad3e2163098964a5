// SPDX-License-Identifier: GPL-3.0-or-later
// records.000: one line per ended game, the personal bests read from it, and the figures
// of a finished game's summary.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/options.h"
#include "core/record.h"

namespace zembrik {

// The most lines records.000 keeps: the newest ones.
inline constexpr size_t kMaxRecordLines = 1000;

// One line of records.000.
struct GameRecord {
    std::string ended;        // UTC time of the game's end, "YYYY-MM-DDThh:mm:ssZ"
    GameOptions options;      // what the game was started with
    int16_t levelReached = 0; // 0..20
    int64_t score = 0;        // whole points, rounded down
    int32_t lines = 0;
    int32_t pieces = 0;
    int64_t milliseconds = 0;        // steps * 1000 / 60, rounded down
    std::array<int32_t, 4> clears{}; // clears of 1, 2, 3 and 4 or more rows
    // The game reached its end: a Classic top-out, a Sprint's lines or an Ultra's time. A
    // Sprint or Ultra game that topped out is recorded unfinished and is never a best.
    bool finished = true;

    bool operator==(const GameRecord&) const = default;
};

// "YYYY-MM-DDThh:mm:ssZ" for a time in seconds since the epoch, in UTC.
std::string utcStamp(std::time_t t);

// The record of the game that has just ended on g (its figures, level reached, finished),
// started with `options` (kept whole) and ended at `ended`.
GameRecord recordOf(const Game& g, GameOptions options, std::time_t ended);

// The line as records.000 holds it, without its line end: the time and fourteen numbers
// separated by single blanks, the shape-set name, then after a tab the mode, the handling
// (custom, delay, interval, soft-drop interval) and finished (0 or 1), blank-separated.
std::string recordLine(const GameRecord& r);

// A line of records.000 (without its line end) read back; nothing when it is not one: a field
// missing, not a whole number, out of its range, a malformed time, or no shape-set name. A
// line without the tab and its fields (written before games had modes) is a finished Classic
// game with classic handling.
std::optional<GameRecord> parseRecordLine(std::string_view line);

// True when two records count for the same personal best: the same mode, start level, hold,
// gravity, previews, climbing, shape set and handling (custom handling with the same three
// numbers). The ghost is only a view and does not count.
bool sameBestKind(const GameRecord& a, const GameRecord& b);

// True when a is a better result than b of the same kind: Classic by score; Sprint by time,
// then by fewer pieces; Ultra by score, then by lines. A tie is not better.
bool betterResult(const GameRecord& a, const GameRecord& b);

// records.000 as read: every line kept as it was (line ends taken off), and which could not
// be read as a record.
struct RecordsFile {
    std::vector<std::string> lines;
    std::vector<GameRecord> records; // the readable lines, oldest first
    int unreadable = 0;              // lines kept as they are but skipped
    int damaged = 0;   // lines longer than any record (NUL bytes, binary data): left out
    std::string error; // the file is there but cannot be read: never rewrite it
};

// Reads records.000. A missing file is an empty one. Lines end in CR LF (a lone LF is taken
// too); a byte-order mark in front is dropped. The whole file is read; lines over 4096 bytes
// are left out and counted as damaged, and of the rest only the newest 4 MiB are kept.
RecordsFile readRecords(const std::string& path);

// The best finished record of the same kind as `like`; nothing when there is none.
std::optional<GameRecord> bestOf(const std::vector<GameRecord>& records, const GameRecord& like);

// The end times of the records that set the best of their kind when they were added (the
// first finished one of a kind included), oldest first.
std::vector<std::string> bestSettingTimes(const std::vector<GameRecord>& records);

// An end time without its separators, "20261208T061517Z" for "2026-12-08T06:15:17Z": the name
// stem of that game's replay file.
std::string compactStamp(std::string_view ended);

// The bytes of records.000 with `line` added after `old`, keeping the newest kMaxRecordLines
// lines, each ended by CR LF.
std::string recordsText(const std::vector<std::string>& old, const std::string& line);

// An ended game as the menu shows it and later features (replays) refer to it.
struct FinishedGame {
    GameRecord record;
    int32_t steps = 0;    // steps played
    int32_t keys = 0;     // game keys pressed
    GameRecord best;      // the best of its kind, this game included (this game when none)
    bool hasBest = false; // there is a best of its kind: some finished game, this one included
    bool newBest = false; // this game set that best: no earlier game of its kind did as well
};

// What adding a finished game to records.000 did.
struct RecordsOutcome {
    FinishedGame game;
    int unreadable = 0; // lines of the file that could not be read (skipped)
    std::string notice; // what became of unreadable and damaged lines, for a message; or ""
    std::string error;  // why the file was not written; "" when it was
};

// Reads records.000 at path, works out the best of the game's kind, and rewrites the file
// through the safe writer with the game's line added, creating the folder when it is missing.
// The folder's lock (FolderLock) is held from the read to the rename, so two games ending
// together each add their line. A file that is there but cannot be read is left alone
// (rewriting it would lose it), and so is a link to a file in which no line reads as a
// record (a file of the player's own behind the link); the best then counts this game only.
// `keys` is the game keys pressed, for the summary. Never throws.
RecordsOutcome addRecord(const std::string& path, const GameRecord& r, int32_t steps,
                         int32_t keys = 0);

// One row of the game-over summary: what it is and its value.
struct SummaryRow {
    std::string label;
    std::string value;
};

// Time played as m:ss (whole seconds, rounded down) from steps of 1/60 s.
std::string playTime(int64_t steps);
// Game time as m:ss.cc (hundredths, rounded down) from steps of 1/60 s: the mode clock.
std::string clockTime(int64_t steps);
// The same from milliseconds.
std::string clockTimeMs(int64_t milliseconds);
// Keys per piece with two decimals, "0.00" when no piece was placed.
std::string keysPerPiece(int64_t keys, int64_t pieces);
// Pieces per second with one decimal, "0.0" when no time passed.
std::string piecesPerSecond(int64_t pieces, int64_t steps);

// The summary rows of an ended game, top to bottom. Classic: score, lines, level reached,
// pieces, time, pieces per second, the four kinds of clears and the best of its kind. Sprint
// and Ultra: the mode's result (the time, or the score; "unfinished" after a top-out), lines,
// score or time, pieces, pieces per second, keys per piece, the handling when it is custom,
// the clears and the mode's best.
std::vector<SummaryRow> summaryRows(const FinishedGame& f);

} // namespace zembrik

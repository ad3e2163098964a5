// records.000: one line per topped-out game, the personal bests read from it, and the figures
// of a finished game's summary.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/record.h"

namespace zembrik {

// The most lines records.000 keeps: the newest ones.
inline constexpr size_t kMaxRecordLines = 1000;

// One line of records.000, in file order.
struct GameRecord {
    std::string ended;        // UTC time of the top-out, "YYYY-MM-DDThh:mm:ssZ"
    int16_t startLevel = 0;   // 0..20
    int16_t levelReached = 0; // 0..20
    int64_t score = 0;        // whole points, rounded down
    int32_t lines = 0;
    int32_t pieces = 0;
    int64_t milliseconds = 0;        // steps * 1000 / 60, rounded down
    std::array<int32_t, 4> clears{}; // clears of 1, 2, 3 and 4 or more rows
    int16_t holdOpt = 0, quaOpt = 0, ghostOpt = 0, nextOpt = 0, clbOpt = 0;
    std::string shapeFile; // bare file name of the shape set; the rest of the line

    bool operator==(const GameRecord&) const = default;
};

// "YYYY-MM-DDThh:mm:ssZ" for a time in seconds since the epoch, in UTC.
std::string utcStamp(std::time_t t);

// The record of the game that has just topped out in g (its figures, level and options),
// played with the shape set shapeFile and ended at `ended`.
GameRecord recordOf(const Game& g, const std::string& shapeFile, std::time_t ended);

// The line as records.000 holds it, without its line end: fields separated by single blanks.
std::string recordLine(const GameRecord& r);

// A line of records.000 (without its line end) read back; nothing when it is not one: a field
// missing, not a whole number, out of its range, a malformed time, or no shape-set name.
std::optional<GameRecord> parseRecordLine(std::string_view line);

// True when two records count for the same personal best: the same start level, hold,
// gravity, previews, climbing and shape set. The ghost is only a view and does not count.
bool sameBestKind(const GameRecord& a, const GameRecord& b);

// records.000 as read: every line kept as it was (line ends taken off), and which could not
// be read as a record.
struct RecordsFile {
    std::vector<std::string> lines;
    std::vector<GameRecord> records; // the readable lines, oldest first
    int unreadable = 0;              // lines kept as they are but skipped
    std::string error;               // the file is there but cannot be read: never rewrite it
};

// Reads records.000. A missing file is an empty one. Lines end in CR LF (a lone LF is taken
// too); a byte-order mark in front is dropped. Only the newest 4 MiB of an oversized file are
// read.
RecordsFile readRecords(const std::string& path);

// The best score among the records of the same kind as `like`; nothing when there is none.
std::optional<int64_t> bestScore(const std::vector<GameRecord>& records, const GameRecord& like);

// The end times of the records that set the best of their kind when they were added (the
// first of a kind included), oldest first.
std::vector<std::string> bestSettingTimes(const std::vector<GameRecord>& records);

// An end time without its separators, "20261208T061517Z" for "2026-12-08T06:15:17Z": the name
// stem of that game's replay file.
std::string compactStamp(std::string_view ended);

// The bytes of records.000 with `line` added after `old`, keeping the newest kMaxRecordLines
// lines, each ended by CR LF.
std::string recordsText(const std::vector<std::string>& old, const std::string& line);

// A finished game as the menu shows it and later features (replays) refer to it.
struct FinishedGame {
    GameRecord record;
    int32_t steps = 0;    // steps played
    int64_t best = 0;     // best score of its kind, this game included
    bool newBest = false; // this game set that best: no earlier game of its kind scored as much
};

// What adding a finished game to records.000 did.
struct RecordsOutcome {
    FinishedGame game;
    int unreadable = 0; // lines of the file that could not be read (kept, skipped)
    std::string error;  // why the file was not written; "" when it was
};

// Reads records.000 at path, works out the best of the game's kind, and rewrites the file
// through the safe writer with the game's line added, creating the folder when it is missing.
// A file that is there but cannot be read is left alone (rewriting it would lose it); the
// best then counts this game only. Never throws.
RecordsOutcome addRecord(const std::string& path, const GameRecord& r, int32_t steps);

// One row of the game-over summary: what it is and its value.
struct SummaryRow {
    std::string label;
    std::string value;
};

// Time played as m:ss (whole seconds, rounded down) from steps of 1/60 s.
std::string playTime(int64_t steps);
// Pieces per second with one decimal, "0.0" when no time passed.
std::string piecesPerSecond(int64_t pieces, int64_t steps);

// The summary rows of a finished game, top to bottom: score, lines, level reached, pieces,
// time, pieces per second, the four kinds of clears and the best of its kind.
std::vector<SummaryRow> summaryRows(const FinishedGame& f);

} // namespace zembrik

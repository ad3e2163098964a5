// SPDX-License-Identifier: GPL-3.0-or-later
// The replays folder: file names from the end of each game, the newest replay, and the rule of
// which replays stay.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zembrik {

// How many of the newest games keep their replay, besides every game that set a best.
inline constexpr size_t kReplaysKept = 100;

// The name stem of a game that ended at `utcSeconds` (since 1970-01-01 UTC):
// "20261208T061517Z" for 2026-12-08T06:15:17Z.
std::string replayStem(int64_t utcSeconds);

// A replay file name taken apart: the stem and its number in that second (1 for "stem.zrp",
// n for "stem-n.zrp").
struct ReplayName {
    std::string stem;
    int64_t number = 1;
    auto operator<=>(const ReplayName&) const = default;
};
// Nullopt for a name that is not a replay's ("notes.txt", "20261208T061517Z-1.zrp", ...).
std::optional<ReplayName> parseReplayName(const std::string& fileName);
std::string replayFileName(const ReplayName& n);

// The replay files in folder, oldest game first; empty when the folder is missing.
std::vector<std::string> listReplays(const std::string& folder);

// Writes a finished game's file into folder (made when missing) as stem.zrp, or stem-2.zrp,
// stem-3.zrp ... when games ended in the same second, taking the first name free with the
// folder locked; a file already there is never replaced. Returns the file name written, or an
// error that names the file.
struct SavedReplay {
    std::string fileName;
    std::string error;
};
SavedReplay saveReplayFile(const std::string& folder, const std::string& stem,
                           const std::string& bytes);

// Deletes replay files of folder, oldest first, until the `keep` newest remain besides those
// for which keepAlways(file name) is true and the file justWritten (the game just played).
// Age is the time the file was last written (a time later than now counts as now), then the
// name. Returns an error naming a file that could not be deleted, empty when all went well.
std::string pruneReplays(const std::string& folder, size_t keep,
                         const std::function<bool(const std::string&)>& keepAlways,
                         const std::string& justWritten = {});

} // namespace zembrik

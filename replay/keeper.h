// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the replay of every game: recorded in memory while it runs, written and the folder
// pruned on the file thread once it has ended.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/random.h"
#include "core/record.h"
#include "engine/tick.h"
#include "replay/recorder.h"
#include "store/file_jobs.h"

namespace zembrik {

// Whether the replay file of that name belongs to a game that set a best: such replays stay.
using BestReplays = std::function<bool(const std::string& fileName)>;

// The replays of the games that set a best of their kind as records.000 at recordsPath says
// (bestSettingTimes), matched by the name stem: a game that ended in the same second as such
// a game stays too. The file is read once, when first asked, so the work is done on the file
// thread and only when old replays are deleted.
BestReplays bestsFromRecords(std::string recordsPath);

class ReplayKeeper {
  public:
    // rng and seeds: the game's own (see ReplayRecorder). folder: the replays folder, made
    // when the first replay is written; empty when there is no player's folder (nothing is
    // written then). The file thread starts by removing the temporary files a killed program
    // left in it and beside it (records.000's).
    ReplayKeeper(Random& rng, SeedSource& seeds, std::string folder);

    ReplayRecorder& recorder() { return recorder_; }
    const std::string& folder() const { return folder_; }

    // The game has ended (g as it ended, before anything resets it) at endTime (seconds since
    // 1970 UTC). A game that placed a piece is written as replays/<stem>.zrp on the file
    // thread, then the folder is pruned to the newest kReplaysKept besides the bests. A failure
    // is written to standard error, once. Returns the stem of the name it will have (empty
    // when nothing is kept).
    std::string gameEnded(const Game& g, GameEnd how, int64_t endTime, BestReplays bests = {});
    // Returns once every replay handed over is written.
    void flush() { jobs_.wait(); }
    // The replay of the last game kept in this run, whether or not its file could be written;
    // empty before the first.
    std::shared_ptr<const Replay> lastKept() const { return last_; }

  private:
    ReplayRecorder recorder_;
    std::string folder_;
    std::shared_ptr<const Replay> last_; // shared, read-only, with the job writing it
    FileJobs jobs_;
};

} // namespace zembrik

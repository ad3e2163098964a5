// SPDX-License-Identifier: GPL-3.0-or-later
// Handing finished games to the file thread.
#include "replay/keeper.h"

#include <cstdio>
#include <set>

#include "store/records.h"
#include "store/replay_files.h"
#include "store/safe_file.h"

namespace zembrik {

BestReplays bestsFromRecords(std::string recordsPath) {
    struct Bests {
        bool read = false;
        bool all = false; // records.000 could not be read: every replay stays
        std::set<std::string> stems;
    };
    auto bests = std::make_shared<Bests>();
    return [path = std::move(recordsPath), bests](const std::string& fileName) {
        if (!bests->read) {
            bests->read = true;
            const RecordsFile file = readRecords(path);
            // A records file that is there but cannot be read (a dangling link, a folder, a
            // drive not mounted) cannot say which games set a best.
            if (!file.error.empty()) {
                bests->all = true;
                std::fprintf(stderr, "zembrik: no replay is deleted: %s\n", file.error.c_str());
            }
            for (const std::string& t : bestSettingTimes(file.records))
                bests->stems.insert(compactStamp(t));
        }
        if (bests->all) return true;
        const std::optional<ReplayName> n = parseReplayName(fileName);
        return n && bests->stems.count(n->stem) > 0;
    };
}

ReplayKeeper::ReplayKeeper(Random& rng, SeedSource& seeds, std::string folder)
    : recorder_(rng, seeds), folder_(std::move(folder)) {
    if (folder_.empty()) return;
    jobs_.post([folder = folder_] {
        removeStaleTemporaries(folder, [](std::string_view name) {
            return parseReplayName(std::string(name)).has_value();
        });
        const size_t slash = folder.find_last_of('/');
        if (slash != std::string::npos && slash > 0)
            removeStaleTemporaries(folder.substr(0, slash),
                                   [](std::string_view name) { return name == "records.000"; });
    });
}

std::string ReplayKeeper::gameEnded(const Game& g, GameEnd how, int64_t endTime,
                                    BestReplays bests) {
    if (!recorder_.recording()) return {};
    std::optional<Replay> replay = recorder_.finish(g, how, endTime);
    // Every lock scores, so a game without points placed no piece: nothing to watch.
    if (!(g.score > 0)) return {};
    if (!replay) {
        // Only a game far longer than anyone plays gets here: say so rather than lose it quietly.
        std::fprintf(stderr, "zembrik: the game was too long to keep as a replay\n");
        return {};
    }
    const std::string stem = replayStem(endTime);
    last_ = std::make_shared<const Replay>(std::move(*replay));
    if (folder_.empty()) {
        std::fprintf(stderr, "zembrik: the replay was not kept: there is no folder for the "
                             "player's files (HOME is not set)\n");
        return {};
    }
    jobs_.post([folder = folder_, stem, replay = last_, bests = std::move(bests)] {
        const SavedReplay saved = saveReplayFile(folder, stem, encodeReplay(*replay));
        if (!saved.error.empty()) {
            std::fprintf(stderr, "zembrik: the replay was not kept: %s\n", saved.error.c_str());
            return;
        }
        const std::string err = pruneReplays(folder, kReplaysKept, bests, saved.fileName);
        if (!err.empty()) std::fprintf(stderr, "zembrik: old replays stay: %s\n", err.c_str());
    });
    return stem;
}

} // namespace zembrik

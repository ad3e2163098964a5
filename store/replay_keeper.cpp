// Handing finished games to the file thread.
#include "store/replay_keeper.h"

#include <cstdio>
#include <set>

#include "store/records.h"
#include "store/replay_files.h"

namespace zembrik {

BestReplays bestsFromRecords(std::string recordsPath) {
    auto stems = std::make_shared<std::optional<std::set<std::string>>>();
    return [path = std::move(recordsPath), stems](const std::string& fileName) {
        if (!*stems) {
            stems->emplace();
            for (const std::string& t : bestSettingTimes(readRecords(path).records))
                (*stems)->insert(compactStamp(t));
        }
        const std::optional<ReplayName> n = parseReplayName(fileName);
        return n && (*stems)->count(n->stem) > 0;
    };
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
    jobs_.post([folder = folder_, stem, replay = last_, bests = std::move(bests)] {
        const SavedReplay saved = saveReplayFile(folder, stem, encodeReplay(*replay));
        if (!saved.error.empty()) {
            std::fprintf(stderr, "zembrik: the replay was not kept: %s\n", saved.error.c_str());
            return;
        }
        const std::string err = pruneReplays(folder, kReplaysKept, bests);
        if (!err.empty()) std::fprintf(stderr, "zembrik: old replays stay: %s\n", err.c_str());
    });
    return stem;
}

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the records reader and the rewrite after a game: whatever records.000 holds, every
// line is kept as it was (newest 1000), a readable line reads back the same after it is
// written again, and the best counts only readable, finished lines of the same kind, hostile
// mode and handling fields included.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "fuzz_files.h"
#include "store/records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zembrik::fuzz::ScratchDir scratch;
    const auto path = scratch.write("records.000", data, size);

    const zembrik::RecordsFile f = zembrik::readRecords(path.string());
    if (!f.error.empty()) std::abort();
    if (f.records.size() + static_cast<size_t>(f.unreadable) != f.lines.size()) std::abort();
    for (const std::string& line : f.lines) {
        const auto r = zembrik::parseRecordLine(line);
        if (!r) continue;
        // Written again, a record reads back as itself.
        const auto again = zembrik::parseRecordLine(zembrik::recordLine(*r));
        if (!again || !(*again == *r)) std::abort();
    }

    // The rewrite after a game (written here without the safe writer's flush to the disk,
    // which would slow the fuzzer down a hundredfold; its own tests cover it).
    zembrik::Game g;
    g.score = 1234.5f;
    g.stepsPlayed = 600;
    // The game's mode and handling come from the input, so its best is looked up among lines
    // of every mode and handling the input holds.
    zembrik::GameOptions o;
    o.shapeFile = "centre.kblox";
    if (size > 0) o.mode = *zembrik::modeOf(data[0] % zembrik::kModes.size());
    if (size > 1) o.handling = {1, static_cast<int16_t>(data[1] % 21), 0, 1};
    g.finished = 1;
    const zembrik::GameRecord mine = zembrik::recordOf(g, o, 0);
    const std::string text = zembrik::recordsText(f.lines, zembrik::recordLine(mine));
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) std::abort();
    scratch.write("records.000", text);

    // The old lines, byte for byte, then the new one; at most 1000 lines.
    const zembrik::RecordsFile after = zembrik::readRecords(path.string());
    if (after.lines.size() != std::min(f.lines.size() + 1, zembrik::kMaxRecordLines)) std::abort();
    const size_t dropped = f.lines.size() + 1 - after.lines.size();
    for (size_t i = 0; i + 1 < after.lines.size(); ++i)
        if (after.lines[i] != f.lines[i + dropped]) std::abort();
    if (after.lines.back() != zembrik::recordLine(mine)) std::abort();
    // The game is finished: a best of its kind exists and is no worse than it, nor than the
    // best before when no line was dropped.
    const auto before = zembrik::bestOf(f.records, mine);
    const auto now = zembrik::bestOf(after.records, mine);
    if (!now || !now->finished || !zembrik::sameBestKind(*now, mine)) std::abort();
    if (zembrik::betterResult(mine, *now)) std::abort();
    if (before && dropped == 0 && zembrik::betterResult(*before, *now)) std::abort();
    return 0;
}

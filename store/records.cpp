// SPDX-License-Identifier: GPL-3.0-or-later
// records.000: writing a finished game's line, reading the file back, bests and summary rows.
#include "store/records.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <limits>
#include <utility>

#include "core/levels.h"
#include "store/safe_file.h"
#include "store/text_file.h"

namespace zembrik {

namespace {

constexpr std::streamoff kMaxReadBytes = 4 << 20;
// Far longer than any line this program writes (fifteen numbers, a time and a file name).
constexpr size_t kMaxRecordLineBytes = 4096;

// A field of digits only, at most 18 of them, as a number; nothing otherwise.
std::optional<int64_t> wholeNumber(std::string_view field) {
    if (field.empty() || field.size() > 18) return std::nullopt;
    int64_t v = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool validStamp(std::string_view s) {
    // YYYY-MM-DDThh:mm:ssZ
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:ddZ";
    if (s.size() != shape.size()) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        if (shape[i] == 'd' ? (s[i] < '0' || s[i] > '9') : s[i] != shape[i]) return false;
    }
    const auto two = [&s](size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); };
    return two(5) >= 1 && two(5) <= 12 && two(8) >= 1 && two(8) <= 31 && two(11) <= 23 &&
           two(14) <= 59 && two(17) <= 60;
}

std::string number(int64_t v) {
    return std::to_string(v);
}

} // namespace

std::string utcStamp(std::time_t t) {
    std::tm tm{};
    if (gmtime_r(&t, &tm) == nullptr) return "1970-01-01T00:00:00Z";
    char out[80];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:%02dZ", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return out;
}

GameRecord recordOf(const Game& g, GameOptions options, std::time_t ended) {
    GameRecord r;
    r.ended = utcStamp(ended);
    r.options = std::move(options);
    r.levelReached = g.curLevel;
    // The score is a float: its whole part, kept inside what the line's number can hold.
    const double whole = std::floor(static_cast<double>(g.score));
    r.score = !(whole > 0)    ? 0
              : whole >= 9e18 ? int64_t{9'000'000'000'000'000'000}
                              : static_cast<int64_t>(whole);
    r.lines = g.lines;
    r.pieces = g.piecesPlaced;
    r.milliseconds = static_cast<int64_t>(g.stepsPlayed) * 1000 / 60;
    r.clears = g.clears;
    r.finished = r.options.mode == Mode::Classic || g.finished == 1;
    return r;
}

std::string recordLine(const GameRecord& r) {
    const GameOptions& o = r.options;
    std::string s = r.ended;
    for (int64_t v :
         {int64_t{o.startLevel}, int64_t{r.levelReached}, r.score, int64_t{r.lines},
          int64_t{r.pieces}, r.milliseconds, int64_t{r.clears[0]}, int64_t{r.clears[1]},
          int64_t{r.clears[2]}, int64_t{r.clears[3]}, int64_t{o.holdOpt}, int64_t{o.quaOpt},
          int64_t{o.ghostOpt}, int64_t{o.nextOpt}, int64_t{o.clbOpt}}) {
        s += ' ';
        s += number(v);
    }
    s += ' ';
    // A line end inside the name would split the record, a tab would start the fields after
    // it: control bytes never reach the file.
    for (char c : o.shapeFile)
        s += static_cast<unsigned char>(c) < 32 ? '?' : c;
    s += '\t';
    s += number(static_cast<int64_t>(o.mode));
    for (int64_t v :
         {int64_t{o.handling.custom}, int64_t{o.handling.delay}, int64_t{o.handling.interval},
          int64_t{o.handling.softDrop}, int64_t{r.finished ? 1 : 0}}) {
        s += ' ';
        s += number(v);
    }
    return s;
}

namespace {

// The fields after the tab: mode, handling (custom, delay, interval, soft drop), finished.
bool parseTail(std::string_view tail, GameRecord& r) {
    constexpr std::array<int64_t, 6> kMax{static_cast<int64_t>(kModes.size()) - 1,
                                          1,
                                          kMaxRepeatDelay,
                                          kMaxRepeatInterval,
                                          kMaxSoftDropInterval,
                                          1};
    std::array<int64_t, 6> v{};
    for (size_t i = 0; i < v.size(); ++i) {
        const size_t blank = tail.find(' ');
        const bool last = i + 1 == v.size();
        if (last != (blank == std::string_view::npos)) return false;
        const auto n = wholeNumber(tail.substr(0, blank));
        if (!n || *n > kMax[i]) return false;
        v[i] = *n;
        tail = last ? std::string_view{} : tail.substr(blank + 1);
    }
    r.options.mode = *modeOf(v[0]);
    r.options.handling = {static_cast<int16_t>(v[1]), static_cast<int16_t>(v[2]),
                          static_cast<int16_t>(v[3]), static_cast<int16_t>(v[4])};
    r.finished = v[5] == 1;
    return true;
}

} // namespace

std::optional<GameRecord> parseRecordLine(std::string_view line) {
    // The time, fifteen numbers, then the shape-set name up to a tab (or the end of the line)
    // and the fields after it.
    std::array<std::string_view, 16> f;
    size_t at = 0;
    for (std::string_view& field : f) {
        const size_t blank = line.find(' ', at);
        if (blank == std::string_view::npos) return std::nullopt;
        field = line.substr(at, blank - at);
        at = blank + 1;
    }
    std::string_view name = line.substr(at);
    const size_t tab = name.find('\t');
    const std::string_view tail =
        tab == std::string_view::npos ? std::string_view{} : name.substr(tab + 1);
    name = name.substr(0, tab);
    if (name.empty() || !validStamp(f[0])) return std::nullopt;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32) return std::nullopt;

    std::array<int64_t, 15> v{};
    for (size_t i = 0; i < v.size(); ++i) {
        const auto n = wholeNumber(f[i + 1]);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    constexpr int64_t kInt32 = std::numeric_limits<int32_t>::max();
    // Upper bounds in file order: levels, score, lines, pieces, milliseconds, clears, options.
    constexpr std::array<int64_t, 15> kMax{20,     20,     -1, kInt32, kInt32, -1, kInt32, kInt32,
                                           kInt32, kInt32, 1,  2,      1,      1,  2};
    for (size_t i = 0; i < v.size(); ++i)
        if (kMax[i] >= 0 && v[i] > kMax[i]) return std::nullopt;

    GameRecord r;
    r.ended = std::string(f[0]);
    GameOptions& o = r.options;
    o.startLevel = static_cast<int16_t>(v[0]);
    r.levelReached = static_cast<int16_t>(v[1]);
    r.score = v[2];
    r.lines = static_cast<int32_t>(v[3]);
    r.pieces = static_cast<int32_t>(v[4]);
    r.milliseconds = v[5];
    for (size_t i = 0; i < 4; ++i)
        r.clears[i] = static_cast<int32_t>(v[6 + i]);
    o.holdOpt = static_cast<int16_t>(v[10]);
    o.quaOpt = static_cast<int16_t>(v[11]);
    o.ghostOpt = static_cast<int16_t>(v[12]);
    o.nextOpt = static_cast<int16_t>(v[13]);
    o.clbOpt = static_cast<int16_t>(v[14]);
    o.shapeFile = std::string(name);
    if (tab != std::string_view::npos && !parseTail(tail, r)) return std::nullopt;
    return r;
}

bool sameBestKind(const GameRecord& a, const GameRecord& b) {
    const GameOptions &x = a.options, &y = b.options;
    const bool sameHandling = x.handling.custom == y.handling.custom &&
                              (x.handling.custom == 0 || x.handling == y.handling);
    return x.mode == y.mode && x.startLevel == y.startLevel && x.holdOpt == y.holdOpt &&
           x.quaOpt == y.quaOpt && x.nextOpt == y.nextOpt && x.clbOpt == y.clbOpt &&
           x.shapeFile == y.shapeFile && sameHandling;
}

bool betterResult(const GameRecord& a, const GameRecord& b) {
    switch (a.options.mode) {
    case Mode::Sprint:
        return a.milliseconds < b.milliseconds ||
               (a.milliseconds == b.milliseconds && a.pieces < b.pieces);
    case Mode::Ultra:
        return a.score > b.score || (a.score == b.score && a.lines > b.lines);
    case Mode::Classic:
        break;
    }
    return a.score > b.score;
}

RecordsFile readRecords(const std::string& path) {
    RecordsFile out;
    const PathKind kind = pathKind(path);
    if (kind == PathKind::Missing) return out;
    if (kind == PathKind::Other) {
        out.error = path + ": " + describePath(path) + ", not a plain file";
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.error = path + ": cannot be opened";
        return out;
    }
    // The file is read whole, a piece at a time, keeping the newest lines that fit in
    // kMaxReadBytes. A line longer than any record (NUL bytes written by a crash, a file
    // copied over it) is left out and counted, so it can neither push the good lines out
    // nor hide them.
    std::deque<std::string> kept;
    size_t keptBytes = 0;
    std::string line;
    bool tooLong = false, first = true;
    const auto endLine = [&](bool withLineEnd) {
        if (tooLong) {
            ++out.damaged;
        } else {
            if (withLineEnd && !line.empty() && line.back() == '\r') line.pop_back();
            if (first) {
                // An editor may have put byte-order marks in front: they are not part of the
                // first line. All of them go, or a second one would be written back as the
                // line's start and then read as a mark the next time, changing a kept line.
                std::string_view rest = line;
                while (withoutByteOrderMark(rest).size() < rest.size())
                    rest = withoutByteOrderMark(rest);
                line.erase(0, line.size() - rest.size());
            }
            keptBytes += line.size() + 2;
            kept.push_back(std::move(line));
            while (keptBytes > static_cast<size_t>(kMaxReadBytes)) {
                keptBytes -= kept.front().size() + 2;
                kept.pop_front();
            }
        }
        line.clear();
        tooLong = false;
        first = false;
    };
    std::vector<char> buffer(64 * 1024);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<size_t>(in.gcount());
        for (size_t at = 0; at < got;) {
            const void* nl = std::memchr(buffer.data() + at, '\n', got - at);
            const size_t stop =
                nl ? static_cast<size_t>(static_cast<const char*>(nl) - buffer.data()) : got;
            if (!tooLong) {
                line.append(buffer.data() + at, stop - at);
                if (line.size() > kMaxRecordLineBytes + 1) {
                    tooLong = true;
                    line.clear();
                    line.shrink_to_fit();
                }
            }
            at = stop;
            if (nl) {
                endLine(true);
                ++at;
            }
        }
    }
    if (in.bad()) {
        out.error = path + ": cannot be read";
        return out;
    }
    if (!line.empty() || tooLong) endLine(false);
    out.lines.assign(std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    for (const std::string& l : out.lines) {
        if (auto r = parseRecordLine(l))
            out.records.push_back(std::move(*r));
        else
            ++out.unreadable;
    }
    return out;
}

std::optional<GameRecord> bestOf(const std::vector<GameRecord>& records, const GameRecord& like) {
    std::optional<GameRecord> best;
    for (const GameRecord& r : records)
        if (r.finished && sameBestKind(r, like) && (!best || betterResult(r, *best))) best = r;
    return best;
}

std::vector<std::string> bestSettingTimes(const std::vector<GameRecord>& records) {
    // The best so far of each kind seen, one entry a kind.
    std::vector<const GameRecord*> best;
    std::vector<std::string> times;
    for (const GameRecord& r : records) {
        if (!r.finished) continue;
        const auto at = std::find_if(best.begin(), best.end(),
                                     [&r](const GameRecord* b) { return sameBestKind(*b, r); });
        if (at == best.end())
            best.push_back(&r);
        else if (betterResult(r, **at))
            *at = &r;
        else
            continue;
        times.push_back(r.ended);
    }
    return times;
}

std::string compactStamp(std::string_view ended) {
    std::string out;
    for (char c : ended)
        if (c != '-' && c != ':') out += c;
    return out;
}

std::string recordsText(const std::vector<std::string>& old, const std::string& line) {
    const size_t keep = kMaxRecordLines - 1; // of the old lines, beside the new one
    const size_t first = old.size() > keep ? old.size() - keep : 0;
    std::string out;
    for (size_t i = first; i < old.size(); ++i) {
        out += old[i];
        out += "\r\n";
    }
    out += line;
    out += "\r\n";
    return out;
}

namespace {

// What the rewrite did with the lines it could not read, in words; "" when there were none.
std::string linesNotice(const std::string& path, const RecordsFile& file) {
    std::string out;
    if (file.unreadable > 0) {
        // The rewrite keeps the newest lines, readable or not; count the unreadable ones left.
        const size_t keep = kMaxRecordLines - 1;
        const size_t first = file.lines.size() > keep ? file.lines.size() - keep : 0;
        int stay = 0;
        for (size_t i = first; i < file.lines.size(); ++i)
            stay += parseRecordLine(file.lines[i]) ? 0 : 1;
        out = std::to_string(file.unreadable) + " line(s) could not be read";
        if (stay == file.unreadable)
            out += "; kept as they are";
        else
            out += "; " + std::to_string(stay) + " kept as they are, " +
                   std::to_string(file.unreadable - stay) + " left out with the oldest lines";
    }
    if (file.damaged > 0) {
        if (!out.empty()) out += "; ";
        out += std::to_string(file.damaged) + " damaged line(s) over " +
               std::to_string(kMaxRecordLineBytes) + " bytes left out";
    }
    return out.empty() ? out : path + ": " + out;
}

} // namespace

RecordsOutcome addRecord(const std::string& path, const GameRecord& r, int32_t steps,
                         int32_t keys) {
    RecordsOutcome out;
    out.game.record = r;
    out.game.steps = steps;
    out.game.keys = keys;
    if (path.empty()) {
        out.game.newBest = r.finished;
        out.game.hasBest = r.finished;
        out.game.best = r;
        out.error = "records.000 is not kept: there is no folder for the player's files (HOME "
                    "is not set)";
        return out;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const std::string made = makePlayerFolders(folder);
    // Held until the new file is in place: another instance ending a game waits here, then
    // reads the file with this game's line in it.
    const FolderLock lock(made.empty() ? folder : std::string());
    RecordsFile file = readRecords(path);
    if (file.error.empty() && pathKind(path) == PathKind::LinkToPlainFile && file.records.empty() &&
        (!file.lines.empty() || file.damaged > 0))
        file.error = path + ": is a link to a file in which no line reads as a record";
    out.unreadable = file.unreadable;
    const std::optional<GameRecord> before = bestOf(file.records, r);
    out.game.newBest = r.finished && (!before || betterResult(r, *before));
    out.game.hasBest = before || r.finished;
    out.game.best = out.game.newBest || !before ? r : *before;
    if (!file.error.empty()) {
        out.error = file.error + "; the game was not added to it";
        return out;
    }
    out.error = made;
    if (out.error.empty())
        out.error = writeFileSafely(path, recordsText(file.lines, recordLine(r)));
    if (out.error.empty()) out.notice = linesNotice(path, file);
    return out;
}

std::string playTime(int64_t steps) {
    const int64_t seconds = steps > 0 ? steps / 60 : 0;
    char out[32];
    std::snprintf(out, sizeof out, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return out;
}

std::string piecesPerSecond(int64_t pieces, int64_t steps) {
    const double rate =
        steps > 0 ? static_cast<double>(pieces) * 60.0 / static_cast<double>(steps) : 0.0;
    char out[32];
    std::snprintf(out, sizeof out, "%.1f", rate);
    return out;
}

std::string clockTimeMs(int64_t milliseconds) {
    const int64_t cs = milliseconds > 0 ? milliseconds / 10 : 0;
    char out[48];
    std::snprintf(out, sizeof out, "%lld:%02lld.%02lld", static_cast<long long>(cs / 6000),
                  static_cast<long long>(cs / 100 % 60), static_cast<long long>(cs % 100));
    return out;
}

std::string clockTime(int64_t steps) {
    // Hundredths straight from the steps: 1/60 s is 5/3 hundredths.
    return clockTimeMs(steps > 0 ? steps * 100 / 60 * 10 : 0);
}

std::string keysPerPiece(int64_t keys, int64_t pieces) {
    const double rate = pieces > 0 ? static_cast<double>(keys) / static_cast<double>(pieces) : 0.0;
    char out[32];
    std::snprintf(out, sizeof out, "%.2f", rate);
    return out;
}

std::vector<SummaryRow> summaryRows(const FinishedGame& f) {
    const GameRecord& r = f.record;
    const GameOptions& o = r.options;
    const std::string clears[4] = {number(r.clears[0]), number(r.clears[1]), number(r.clears[2]),
                                   number(r.clears[3])};
    if (o.mode == Mode::Classic && o.handling.custom == 0)
        return {
            {"Score", number(r.score)},
            {"Lines", number(r.lines)},
            {"Level", levelstr(r.levelReached)},
            {"Pieces", number(r.pieces)},
            {"Time", playTime(f.steps)},
            {"Pieces/s", piecesPerSecond(r.pieces, f.steps)},
            {"1-row clears", clears[0]},
            {"2-row clears", clears[1]},
            {"3-row clears", clears[2]},
            {"4+ row clears", clears[3]},
            {"Best from " + levelstr(o.startLevel), number(f.best.score)},
        };
    const bool sprint = o.mode == Mode::Sprint;
    // A mode's result: the time of a Sprint, the score of an Ultra or a Classic game.
    const auto result = [sprint](const GameRecord& g) {
        return sprint ? clockTimeMs(g.milliseconds) : number(g.score);
    };
    const std::string title = modeRule(o.mode).title;
    std::vector<SummaryRow> rows{
        {title, r.finished ? result(r) : "unfinished"},
        {"Lines", number(r.lines)},
        {sprint ? "Score" : "Level", sprint ? number(r.score) : levelstr(r.levelReached)},
        {"Time", clockTime(f.steps)},
        {"Pieces", number(r.pieces)},
        {"Pieces/s", piecesPerSecond(r.pieces, f.steps)},
        {"Keys/piece", keysPerPiece(f.keys, r.pieces)},
    };
    if (o.handling.custom == 1)
        rows.push_back({"Handling", "custom " + number(o.handling.delay) + "/" +
                                        number(o.handling.interval) + "/" +
                                        number(o.handling.softDrop)});
    rows.push_back({"1-row clears", clears[0]});
    rows.push_back({"2-row clears", clears[1]});
    rows.push_back({"3-row clears", clears[2]});
    rows.push_back({"4+ row clears", clears[3]});
    rows.push_back(
        {"Best " + title + " from " + levelstr(o.startLevel), f.hasBest ? result(f.best) : "none"});
    return rows;
}

} // namespace zembrik

// records.000: writing a finished game's line, reading the file back, bests and summary rows.
#include "store/records.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <tuple>

#include "core/levels.h"
#include "store/safe_file.h"
#include "store/text_file.h"

namespace zembrik {

namespace {

constexpr std::streamoff kMaxReadBytes = 4 << 20;

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

// The lines of text with their line ends (CR LF, or a lone LF) taken off. A last line without
// a line end is a line too.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        size_t stop = end;
        if (!last && stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text, start, stop - start);
        start = last ? end : end + 1;
    }
    return lines;
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

GameRecord recordOf(const Game& g, const std::string& shapeFile, std::time_t ended) {
    GameRecord r;
    r.ended = utcStamp(ended);
    r.startLevel = g.startLevel;
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
    r.holdOpt = g.holdOpt;
    r.quaOpt = g.quaOpt;
    r.ghostOpt = g.ghostOpt;
    r.nextOpt = g.nextOpt;
    r.clbOpt = g.clbOpt;
    r.shapeFile = shapeFile;
    return r;
}

std::string recordLine(const GameRecord& r) {
    std::string s = r.ended;
    for (int64_t v :
         {int64_t{r.startLevel}, int64_t{r.levelReached}, r.score, int64_t{r.lines},
          int64_t{r.pieces}, r.milliseconds, int64_t{r.clears[0]}, int64_t{r.clears[1]},
          int64_t{r.clears[2]}, int64_t{r.clears[3]}, int64_t{r.holdOpt}, int64_t{r.quaOpt},
          int64_t{r.ghostOpt}, int64_t{r.nextOpt}, int64_t{r.clbOpt}}) {
        s += ' ';
        s += number(v);
    }
    s += ' ';
    // A line end inside the name would split the record: control bytes never reach the file.
    for (char c : r.shapeFile)
        s += static_cast<unsigned char>(c) < 32 ? '?' : c;
    return s;
}

std::optional<GameRecord> parseRecordLine(std::string_view line) {
    // The time, fifteen numbers, then the shape-set name: the rest of the line.
    std::array<std::string_view, 16> f;
    size_t at = 0;
    for (std::string_view& field : f) {
        const size_t blank = line.find(' ', at);
        if (blank == std::string_view::npos) return std::nullopt;
        field = line.substr(at, blank - at);
        at = blank + 1;
    }
    const std::string_view name = line.substr(at);
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
    r.startLevel = static_cast<int16_t>(v[0]);
    r.levelReached = static_cast<int16_t>(v[1]);
    r.score = v[2];
    r.lines = static_cast<int32_t>(v[3]);
    r.pieces = static_cast<int32_t>(v[4]);
    r.milliseconds = v[5];
    for (size_t i = 0; i < 4; ++i)
        r.clears[i] = static_cast<int32_t>(v[6 + i]);
    r.holdOpt = static_cast<int16_t>(v[10]);
    r.quaOpt = static_cast<int16_t>(v[11]);
    r.ghostOpt = static_cast<int16_t>(v[12]);
    r.nextOpt = static_cast<int16_t>(v[13]);
    r.clbOpt = static_cast<int16_t>(v[14]);
    r.shapeFile = std::string(name);
    return r;
}

bool sameBestKind(const GameRecord& a, const GameRecord& b) {
    return a.startLevel == b.startLevel && a.holdOpt == b.holdOpt && a.quaOpt == b.quaOpt &&
           a.nextOpt == b.nextOpt && a.clbOpt == b.clbOpt && a.shapeFile == b.shapeFile;
}

RecordsFile readRecords(const std::string& path) {
    RecordsFile out;
    const PathKind kind = pathKind(path);
    if (kind == PathKind::Missing) return out;
    if (kind == PathKind::Other) {
        out.error = path + ": not a plain file";
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.error = path + ": cannot be opened";
        return out;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        out.error = path + ": cannot be read";
        return out;
    }
    const std::streamoff from = size > kMaxReadBytes ? size - kMaxReadBytes : 0;
    in.seekg(from);
    std::string text(static_cast<size_t>(size - from), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.gcount() != static_cast<std::streamsize>(text.size())) {
        out.error = path + ": cannot be read";
        return out;
    }
    // Started inside a line: that part of an old line is dropped with the older lines.
    if (from > 0) {
        const size_t nl = text.find('\n');
        text.erase(0, nl == std::string::npos ? text.size() : nl + 1);
    }
    // An editor may have put byte-order marks in front: they are not part of the first line.
    // All of them go, or a second one would be written back as the line's start and then
    // read as a mark the next time, changing a kept line.
    if (from == 0) {
        std::string_view rest = text;
        while (withoutByteOrderMark(rest).size() < rest.size())
            rest = withoutByteOrderMark(rest);
        text.erase(0, text.size() - rest.size());
    }
    out.lines = splitLines(text);
    for (const std::string& line : out.lines) {
        if (auto r = parseRecordLine(line))
            out.records.push_back(std::move(*r));
        else
            ++out.unreadable;
    }
    return out;
}

std::optional<int64_t> bestScore(const std::vector<GameRecord>& records, const GameRecord& like) {
    std::optional<int64_t> best;
    for (const GameRecord& r : records)
        if (sameBestKind(r, like) && (!best || r.score > *best)) best = r.score;
    return best;
}

std::vector<std::string> bestSettingTimes(const std::vector<GameRecord>& records) {
    // The best so far of each kind, keyed as sameBestKind compares.
    using Kind = std::tuple<int16_t, int16_t, int16_t, int16_t, int16_t, std::string>;
    std::map<Kind, int64_t> best;
    std::vector<std::string> times;
    for (const GameRecord& r : records) {
        const Kind kind{r.startLevel, r.holdOpt, r.quaOpt, r.nextOpt, r.clbOpt, r.shapeFile};
        const auto [at, first] = best.try_emplace(kind, r.score);
        if (!first && r.score <= at->second) continue;
        at->second = r.score;
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

RecordsOutcome addRecord(const std::string& path, const GameRecord& r, int32_t steps) {
    RecordsOutcome out;
    out.game.record = r;
    out.game.steps = steps;
    const RecordsFile file = readRecords(path);
    out.unreadable = file.unreadable;
    const std::optional<int64_t> before = bestScore(file.records, r);
    out.game.newBest = !before || r.score > *before;
    out.game.best = before ? std::max(*before, r.score) : r.score;
    if (!file.error.empty()) {
        out.error = file.error + "; the game was not added to it";
        return out;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    out.error = makePlayerFolders(folder);
    if (out.error.empty())
        out.error = writeFileSafely(path, recordsText(file.lines, recordLine(r)));
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

std::vector<SummaryRow> summaryRows(const FinishedGame& f) {
    const GameRecord& r = f.record;
    return {
        {"Score", number(r.score)},
        {"Lines", number(r.lines)},
        {"Level", levelstr(r.levelReached)},
        {"Pieces", number(r.pieces)},
        {"Time", playTime(f.steps)},
        {"Pieces/s", piecesPerSecond(r.pieces, f.steps)},
        {"1-row clears", number(r.clears[0])},
        {"2-row clears", number(r.clears[1])},
        {"3-row clears", number(r.clears[2])},
        {"4+ row clears", number(r.clears[3])},
        {"Best from " + levelstr(r.startLevel), number(f.best)},
    };
}

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The replay file format: a small header, then the body compressed with zlib.
#include "store/replay.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <new>
#include <utility>
#include <zlib.h>

#include "store/safe_file.h"

namespace zembrik {

namespace {

constexpr char kMagic[4] = {'Z', 'R', 'P', 'L'};
constexpr size_t kHeaderBytes = 10; // magic, version (2 bytes), body length (4 bytes)
// The most steps a game can reach: the record counts a game's steps in 32 bits
// (stepsPlayed). A stream giving more is no game's, and would take days to rerun.
constexpr int64_t kMaxSteps = INT32_MAX;

enum Tag : uint8_t {
    kEndOfStream,
    kCalls,
    kCall,
    kKeyDown,
    kKeyUp,
    kReleaseKeys,
    kCheck,
    kActionDown, // from version 3
    kActionUp,
};

// The body's writer: unsigned numbers as LEB128, signed ones zigzagged first, seeds and hashes
// as eight bytes and the score as four, low byte first.
class Out {
  public:
    void u(uint64_t v) {
        while (v >= 0x80) {
            bytes.push_back(static_cast<char>((v & 0x7F) | 0x80));
            v >>= 7;
        }
        bytes.push_back(static_cast<char>(v));
    }
    void s(int64_t v) { u((static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63)); }
    void fixed(uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void check(const ReplayCheck& c) {
        u(static_cast<uint64_t>(c.step));
        fixed(c.scoreBits, 4);
        u(static_cast<uint64_t>(c.lines));
        u(static_cast<uint64_t>(c.level));
        fixed(c.wellHash, 8);
    }
    std::string bytes;
};

// The body's reader. Each read fails (and stays failed) at the end of the bytes or on a value
// out of its range; `what` then names the first value that was wrong.
class In {
  public:
    explicit In(std::string_view b) : b_(b) {}
    bool ok() const { return what.empty(); }
    bool atEnd() const { return pos_ == b_.size(); }

    uint64_t u(const char* name, uint64_t hi) {
        uint64_t v = 0;
        for (int shift = 0; ok(); shift += 7) {
            if (pos_ == b_.size()) return fail(name, "ends early");
            const auto byte = static_cast<uint8_t>(b_[pos_++]);
            if (shift == 63 && byte > 1) return fail(name, "is too large");
            v |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) break;
        }
        if (ok() && v > hi) return fail(name, "is out of range");
        return ok() ? v : 0;
    }
    int64_t s(const char* name, int64_t lo, int64_t hi) {
        const uint64_t z = u(name, UINT64_MAX);
        const int64_t v = static_cast<int64_t>(z >> 1) ^ -static_cast<int64_t>(z & 1);
        if (ok() && (v < lo || v > hi)) fail(name, "is out of range");
        return ok() ? v : 0;
    }
    int16_t small(const char* name, int64_t hi) { return static_cast<int16_t>(u(name, hi)); }
    uint64_t fixed(const char* name, int n) {
        if (!ok()) return 0;
        if (b_.size() - pos_ < static_cast<size_t>(n)) return fail(name, "ends early");
        uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(static_cast<uint8_t>(b_[pos_++])) << (8 * i);
        return v;
    }
    std::string text(const char* name, size_t maxLen) {
        const size_t n = u(name, maxLen);
        if (!ok()) return {};
        if (b_.size() - pos_ < n) {
            fail(name, "ends early");
            return {};
        }
        std::string t(b_.substr(pos_, n));
        pos_ += n;
        return t;
    }
    ReplayCheck check() {
        ReplayCheck c;
        c.step = static_cast<int64_t>(u("check step", kMaxSteps));
        c.scoreBits = static_cast<uint32_t>(fixed("score", 4));
        c.lines = small("lines", 32767);
        c.level = small("level", 20);
        c.wellHash = fixed("well hash", 8);
        float score = 0;
        std::memcpy(&score, &c.scoreBits, sizeof score);
        // The score only grows from 0 and stays finite.
        if (ok() && !(score >= 0 && std::isfinite(score))) fail("score", "is out of range");
        return c;
    }
    uint64_t fail(const char* name, const char* problem) {
        if (what.empty()) what = std::string(name) + " " + problem;
        return 0;
    }

    std::string what;

  private:
    std::string_view b_;
    size_t pos_ = 0;
};

void writeStart(Out& o, const ReplayStart& s) {
    const GameOptions& g = s.options;
    for (int16_t v : {g.startLevel, s.lines, g.holdOpt, g.quaOpt, g.clbOpt, s.climbLimit,
                      g.ghostOpt, g.nextOpt, s.debugOpt})
        o.u(static_cast<uint64_t>(v));
    for (int16_t k : s.keys)
        o.u(static_cast<uint64_t>(k));
    for (int16_t n : s.nextBlox)
        o.u(static_cast<uint64_t>(n));
    o.u(static_cast<uint64_t>(s.holdUsed));
    o.fixed(s.gameSeed, 8);
    o.u(g.shapeFile.size());
    o.bytes += g.shapeFile;
    for (int16_t v : s.shapes)
        o.s(v);
    o.u(static_cast<uint64_t>(g.mode));
    for (int16_t v :
         {g.handling.custom, g.handling.delay, g.handling.interval, g.handling.softDrop})
        o.u(static_cast<uint64_t>(v));
}

// The start of a replay of format `version`.
ReplayStart readStart(In& in, uint64_t version) {
    ReplayStart s;
    GameOptions& g = s.options;
    g.startLevel = in.small("start level", 20);
    s.lines = in.small("start lines", 32767);
    g.holdOpt = in.small("hold option", 1);
    g.quaOpt = in.small("clear option", 2);
    g.clbOpt = in.small("climb option", 2);
    s.climbLimit = in.small("climb limit", 3);
    g.ghostOpt = in.small("ghost option", 1);
    g.nextOpt = in.small("next option", 1);
    s.debugOpt = in.small("debug option", 1);
    if (in.ok() && s.climbLimit == 2) in.fail("climb limit", "is out of range");
    for (int16_t& k : s.keys)
        k = in.small("key code", 255);
    for (int16_t& n : s.nextBlox)
        n = in.small("next piece", 7);
    // The queue is either empty (a first game fills it) or holds three pieces.
    const bool empty = s.nextBlox == std::array<int16_t, 3>{};
    for (int16_t n : s.nextBlox)
        if (in.ok() && !empty && n == 0) in.fail("next queue", "is half empty");
    s.holdUsed = in.small("hold used", 1);
    s.gameSeed = in.fixed("game seed", 8);
    g.shapeFile = in.text("shape set name", 255);
    for (int16_t& v : s.shapes)
        v = static_cast<int16_t>(in.s("shape number", -32768, 32767));
    if (version < 2) return s; // a Classic game with classic handling
    g.mode = static_cast<Mode>(in.small("mode", kModes.size() - 1));
    g.handling.custom = in.small("handling", 1);
    g.handling.delay = in.small("repeat delay", kMaxRepeatDelay);
    g.handling.interval = in.small("repeat interval", kMaxRepeatInterval);
    g.handling.softDrop = in.small("soft-drop interval", kMaxSoftDropInterval);
    return s;
}

std::string compress(const std::string& body) {
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    std::string out(size, '\0');
    const int rc = compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                             reinterpret_cast<const Bytef*>(body.data()),
                             static_cast<uLong>(body.size()), Z_BEST_COMPRESSION);
    // Only a lack of memory makes compress2 fail with a big enough buffer.
    if (rc != Z_OK) throw std::bad_alloc();
    out.resize(size);
    return out;
}

// Inflates exactly `expected` bytes from a zlib stream that must end with the data.
bool inflateExact(std::string_view in, size_t expected, std::string& out, std::string& why) {
    out.assign(expected, '\0');
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw std::bad_alloc();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    // One spare byte shows a body longer than the header says.
    char spare = 0;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(expected);
    int rc = inflate(&z, Z_FINISH);
    if (rc == Z_BUF_ERROR && z.avail_out == 0) {
        z.next_out = reinterpret_cast<Bytef*>(&spare);
        z.avail_out = 1;
        rc = inflate(&z, Z_FINISH);
    }
    const size_t produced = static_cast<size_t>(z.total_out);
    const size_t leftIn = z.avail_in;
    inflateEnd(&z);
    if (rc == Z_STREAM_END && produced == expected && leftIn == 0) return true;
    if (produced != expected && (rc == Z_STREAM_END || produced > expected))
        why = "is corrupt (its body is not the length its header gives)";
    else if (rc == Z_STREAM_END)
        why = "is corrupt (bytes after its end)";
    else if (rc == Z_BUF_ERROR)
        why = "is truncated";
    else
        why = "is corrupt (its compressed body does not decompress)";
    return false;
}

} // namespace

uint64_t wellHash(const Game& g) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (int y = 0; y < kWellH; ++y)
        for (int x = 0; x < kWellW; ++x) {
            const auto v = static_cast<uint16_t>(g.field(x, y));
            for (const uint8_t byte :
                 {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>(v >> 8)})
                h = (h ^ byte) * 0x100000001B3ull;
        }
    return h;
}

ReplayCheck checkOf(const Game& g, int64_t step) {
    ReplayCheck c;
    c.step = step;
    std::memcpy(&c.scoreBits, &g.score, sizeof c.scoreBits);
    c.lines = g.lines;
    c.level = g.curLevel;
    c.wellHash = wellHash(g);
    return c;
}

ReplayStart startOf(const Game& g, uint64_t gameSeed, GameOptions options) {
    ReplayStart s;
    s.options = std::move(options);
    if (s.options.shapeFile.size() > 255) s.options.shapeFile.resize(255);
    s.lines = g.lines;
    s.climbLimit = g.climbLimit;
    s.debugOpt = g.debugOpt;
    s.keys = {g.keyMl, g.keyMr, g.keyMd, g.keyRl, g.keyRr, g.keyRo, g.keyFd, g.keyHd, g.keySt};
    s.nextBlox = g.nextBlox;
    s.holdUsed = g.holdUsed;
    s.gameSeed = gameSeed;
    for (int k = 0; k < 448; ++k)
        s.shapes[static_cast<size_t>(k)] = g.shapes(1 + k / 64, (k / 16) % 4, k % 16);
    return s;
}

void applyStart(Game& g, const ReplayStart& s) {
    applyOptions(g, s.options);
    g.lines = s.lines;
    g.climbLimit = s.climbLimit;
    g.debugOpt = s.debugOpt;
    g.keyMl = s.keys[0];
    g.keyMr = s.keys[1];
    g.keyMd = s.keys[2];
    g.keyRl = s.keys[3];
    g.keyRr = s.keys[4];
    g.keyRo = s.keys[5];
    g.keyFd = s.keys[6];
    g.keyHd = s.keys[7];
    g.keySt = s.keys[8];
    g.nextBlox = s.nextBlox;
    g.holdUsed = s.holdUsed;
    for (int k = 0; k < 448; ++k)
        g.shapes(1 + k / 64, (k / 16) % 4, k % 16) = s.shapes[static_cast<size_t>(k)];
    emptyShapeZero(g);
}

std::string encodeReplay(const Replay& r) {
    Out o;
    writeStart(o, r.start);
    for (const ReplayEntry& e : r.entries) {
        switch (e.kind) {
        case ReplayEntry::Kind::Calls:
            o.u(kCalls);
            o.u(static_cast<uint64_t>(e.count));
            break;
        case ReplayEntry::Kind::Call:
            o.u(kCall);
            o.u(static_cast<uint64_t>(e.count));
            o.u(static_cast<uint64_t>(e.draws));
            if (e.draws > 0) o.fixed(e.seed, 8);
            break;
        case ReplayEntry::Kind::KeyDown:
        case ReplayEntry::Kind::KeyUp:
            o.u(e.kind == ReplayEntry::Kind::KeyDown ? kKeyDown : kKeyUp);
            o.u(static_cast<uint64_t>(e.code));
            break;
        case ReplayEntry::Kind::ActionDown:
        case ReplayEntry::Kind::ActionUp:
            o.u(e.kind == ReplayEntry::Kind::ActionDown ? kActionDown : kActionUp);
            o.u(static_cast<uint64_t>(e.code));
            break;
        case ReplayEntry::Kind::ReleaseKeys:
            o.u(kReleaseKeys);
            break;
        case ReplayEntry::Kind::Check:
            o.u(kCheck);
            o.check(e.check);
            break;
        }
    }
    o.u(kEndOfStream);
    o.u(static_cast<uint64_t>(r.end));
    o.s(r.endTime);
    o.check(r.final);

    std::string file(kMagic, sizeof kMagic);
    Out header;
    header.fixed(kReplayVersion, 2);
    header.fixed(o.bytes.size(), 4);
    file += header.bytes;
    file += compress(o.bytes);
    return file;
}

ReplayRead decodeReplay(std::string_view bytes) {
    ReplayRead out;
    if (bytes.size() < sizeof kMagic || bytes.substr(0, sizeof kMagic) != "ZRPL") {
        out.error = "is not a replay file";
        return out;
    }
    if (bytes.size() < kHeaderBytes) {
        out.error = "is truncated";
        return out;
    }
    In header(bytes.substr(sizeof kMagic, kHeaderBytes - sizeof kMagic));
    const auto version = header.fixed("version", 2);
    const auto length = header.fixed("length", 4);
    if (version < 1 || version > kReplayVersion) {
        out.error = "is a replay of format " + std::to_string(version) +
                    ", this program reads 1 to " + std::to_string(kReplayVersion);
        return out;
    }
    if (length > kReplayMaxBodyBytes) {
        out.error = "is corrupt (its header gives a body of " + std::to_string(length) + " bytes)";
        return out;
    }
    std::string body;
    if (!inflateExact(bytes.substr(kHeaderBytes), length, body, out.error)) return out;

    In in(body);
    Replay& r = out.replay;
    r.start = readStart(in, version);
    int64_t step = 1; // the first step of the next call
    while (in.ok()) {
        const auto tag = in.u("entry", version < 3 ? kCheck : kActionUp);
        if (!in.ok() || tag == kEndOfStream) break;
        if (r.entries.size() == kReplayMaxEntries) {
            in.fail("game", "is too long");
            break;
        }
        ReplayEntry e;
        e.step = step;
        switch (tag) {
        case kCalls:
            e.kind = ReplayEntry::Kind::Calls;
            e.count = static_cast<int32_t>(in.u("call count", INT32_MAX));
            if (in.ok() && e.count == 0) in.fail("call count", "is out of range");
            break;
        case kCall:
            e.kind = ReplayEntry::Kind::Call;
            e.count = static_cast<int32_t>(in.u("due steps", 32767));
            if (in.ok() && e.count == 0) in.fail("due steps", "is out of range");
            e.draws = static_cast<int32_t>(in.u("draws", INT32_MAX));
            if (e.draws > 0) e.seed = in.fixed("seed", 8);
            break;
        case kKeyDown:
        case kKeyUp:
            e.kind = tag == kKeyDown ? ReplayEntry::Kind::KeyDown : ReplayEntry::Kind::KeyUp;
            e.code = in.small("key code", 255);
            break;
        case kActionDown:
        case kActionUp:
            e.kind =
                tag == kActionDown ? ReplayEntry::Kind::ActionDown : ReplayEntry::Kind::ActionUp;
            e.code = in.small("action", 7);
            break;
        case kReleaseKeys:
            e.kind = ReplayEntry::Kind::ReleaseKeys;
            break;
        case kCheck:
            e.kind = ReplayEntry::Kind::Check;
            e.check = in.check();
            if (in.ok() && e.check.step != step - 1) in.fail("check step", "is out of place");
            break;
        }
        if (e.kind == ReplayEntry::Kind::Calls || e.kind == ReplayEntry::Kind::Call)
            step += e.count;
        if (step - 1 > kMaxSteps) in.fail("game", "is too long");
        r.entries.push_back(e);
    }
    r.end = static_cast<GameEnd>(in.u("end", static_cast<uint64_t>(GameEnd::Closed)));
    r.endTime = in.s("end time", INT64_MIN, INT64_MAX);
    r.final = in.check();
    if (in.ok() && r.final.step != step - 1) in.fail("final step", "is out of place");
    if (in.ok() && !in.atEnd()) in.fail("body", "goes on after its end");
    if (!in.ok()) {
        out.replay = Replay();
        out.error = "is corrupt (" + in.what + ")";
    }
    return out;
}

ReplayRead readReplayFile(const std::string& path) {
    ReplayRead out;
    const PathKind kind = pathKind(path);
    if (kind == PathKind::Missing) {
        out.error = path + ": cannot be opened";
        return out;
    }
    if (kind == PathKind::Other) {
        out.error = path + ": is not a plain file";
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.error = path + ": cannot be opened";
        return out;
    }
    std::string bytes(kReplayMaxFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        out.error = path + ": cannot be read";
        return out;
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kReplayMaxFileBytes) {
        out.error = path + ": is too large for a replay";
        return out;
    }
    out = decodeReplay(bytes);
    if (!out.error.empty()) out.error = path + ": " + out.error;
    return out;
}

const char* gameEndName(GameEnd e) {
    switch (e) {
    case GameEnd::TopOut:
        return "top-out";
    case GameEnd::Escape:
        return "Escape";
    case GameEnd::Restart:
        return "restart";
    case GameEnd::Closed:
        return "closed";
    }
    return "?";
}

} // namespace zembrik

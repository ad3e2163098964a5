// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's game runs: script replay, random soak, state dumps and invariant checks.
#include "simulator.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/keys.h"
#include "engine/tick.h"
#include "pieces/shape_file.h"
#include "replay/player.h"
#include "store/safe_file.h"
#include "store/text_file.h"

namespace zembrik::sim {

namespace {

// The host of a replay: records sounds, carries out the level click and the Escape operation
// on the record.
struct ReplayHost : Host {
    explicit ReplayHost(Game& game) : g(game) {}
    Game& g;
    std::vector<std::string> sounds;
    int16_t lastNocurr = 0; // the render flag of the last tick
    void playSound(std::string_view code, int16_t count) override {
        sounds.push_back(std::string(code) + ":" + std::to_string(count));
    }
    void drawFrame(int16_t nocurr) override { lastNocurr = nocurr; }
    void showStartLevel(int16_t level) override { g.curLevel = level; }
    void gameToppedOut() override {}
    void leaveToMenu() override {
        if (g.inGame != InGame::Menu) abandonGame(g);
    }
};

// The host of a soak: counts locked pieces and cleared rows, nothing else.
struct SoakHost : Host {
    explicit SoakHost(Game& game) : g(game) {}
    Game& g;
    int64_t pieces = 0, lines = 0;
    void playSound(std::string_view code, int16_t count) override {
        if (code == "lck") ++pieces;
        if (code == "ers") lines += count;
    }
    void drawFrame(int16_t) override {}
    void showStartLevel(int16_t level) override { g.curLevel = level; }
    void gameToppedOut() override {}
    void leaveToMenu() override {
        if (g.inGame != InGame::Menu) abandonGame(g);
    }
};

void appendInt(std::string& s, long long v) {
    s += std::to_string(v);
}

// Line `index` (0 or 1) of option_style.000 in appDir/data, read as the game reads it: only a
// plain file, a UTF-8 byte-order mark skipped, a UTF-16 file not read; trailing CR and blanks
// dropped. Empty when there is no such line.
std::string savedStyleLine(const std::filesystem::path& appDir, int index) {
    const std::string path = (appDir / "data" / "option_style.000").string();
    if (!isReadableFile(path)) return {};
    std::ifstream in(path, std::ios::binary);
    std::string text(4096, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (isUtf16(text)) return {};
    std::istringstream lines{std::string(withoutByteOrderMark(text))};
    std::string line;
    for (int i = 0; i <= index; ++i)
        if (!std::getline(lines, line)) return {};
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

} // namespace

std::filesystem::path defaultShapes(const std::filesystem::path& appDir) {
    const std::string name = savedStyleLine(appDir, 0);
    return appDir / "data" / (name.empty() ? std::string("centre.kblox") : name);
}

std::string defaultStyleName(const std::filesystem::path& appDir) {
    const std::string name = savedStyleLine(appDir, 1);
    return name.empty() ? std::string("classic.style") : name;
}

GameOptions gameOptionsOf(const SimOptions& o, const std::filesystem::path& shapes) {
    GameOptions game;
    game.startLevel = o.level;
    game.holdOpt = o.hold;
    game.quaOpt = o.qua;
    game.clbOpt = o.climb;
    game.ghostOpt = o.ghost;
    game.nextOpt = o.next;
    game.mode = o.mode;
    game.handling = o.handling;
    game.shapeFile = shapes.filename().string();
    return game;
}

std::string prepareGame(Game& g, const SimOptions& o, const std::filesystem::path& shapes) {
    const std::string err = loadshapes(g, shapes.string());
    if (!err.empty()) return err;
    emptyShapeZero(g);
    applyOptions(g, gameOptionsOf(o, shapes));
    g.debugOpt = o.debug ? 1 : 0;
    assignDefaultKeys(g);
    return {};
}

std::string stateJson(const Game& g, int64_t step, const std::vector<std::string>& sounds,
                      bool end) {
    std::string s;
    s.reserve(1200);
    s += "{\"step\":";
    appendInt(s, step);
    const auto num = [&s](const char* name, long long v) {
        s += ",\"";
        s += name;
        s += "\":";
        appendInt(s, v);
    };
    num("inGame", static_cast<int16_t>(g.inGame));
    num("gameState", static_cast<int16_t>(g.gameState));
    num("waitTicks", g.waitTicks);
    num("curLevel", g.curLevel);
    num("levelCount", g.levelCount);
    char score[32];
    std::snprintf(score, sizeof score, "%.9g", static_cast<double>(g.score));
    s += ",\"score\":";
    s += score;
    num("lines", g.lines);
    num("holdUsed", g.holdUsed);
    num("moveDelay", g.moveDelay);
    num("climbLimit", g.climbLimit);
    num("curBlox", g.curBlox);
    num("curMode", g.curMode);
    num("curX", g.curX);
    num("curY", g.curY);
    num("lowestY", g.lowestY);
    s += ",\"nextBlox\":[";
    for (size_t i = 0; i < g.nextBlox.size(); ++i) {
        if (i) s += ',';
        appendInt(s, g.nextBlox[i]);
    }
    s += ']';
    num("holdBlox", g.holdBlox);
    s += ",\"field\":[";
    for (int y = 0; y < kWellH; ++y) {
        s += y ? ",[" : "[";
        for (int x = 0; x < kWellW; ++x) {
            if (x) s += ',';
            appendInt(s, g.field(x, y));
        }
        s += ']';
    }
    s += "],\"sounds\":[";
    for (size_t i = 0; i < sounds.size(); ++i) {
        if (i) s += ',';
        s += '"' + sounds[i] + '"';
    }
    s += ']';
    // A game with a goal says at its end whether it reached it, and its game time.
    if (end && g.mode != Mode::Classic) {
        s += g.finished == 1 ? ",\"finished\":true" : ",\"finished\":false";
        num("gameSteps", g.stepsPlayed);
    }
    if (end) s += ",\"end\":true";
    s += '}';
    return s;
}

std::string runScript(Game& g, const SimOptions& o, const std::vector<Event>& events,
                      std::ostream& out, const ShotFn& shot) {
    ReplayHost host(g);
    XorShiftRandom rng(CountedSeeds::mix(o.seed, 0));
    CountedSeeds seeds(o.seed);
    Rules rules{host, rng, seeds};
    newGame(g, host, rng);

    const int64_t last = o.steps ? *o.steps : (events.empty() ? 0 : events.back().step);
    const auto line = [&](int64_t step, bool end) {
        out << stateJson(g, step, host.sounds, end) << '\n';
        host.sounds.clear();
    };
    size_t next = 0;
    int64_t ran = 0;
    for (int64_t s = 1; s <= last && g.inGame != InGame::Menu; ++s) {
        size_t end = next;
        while (end < events.size() && events[end].step == s)
            ++end;
        // Key events come first, as if delivered while the previous frame was drawn.
        for (size_t i = next; i < end; ++i) {
            if (events[i].kind == EventKind::Press) keyDown(g, host, events[i].key);
            if (events[i].kind == EventKind::Release) keyUp(g, events[i].key);
        }
        if (g.inGame == InGame::Menu) break; // Escape ended the game before this step
        tick(g, rules, 1);
        ran = s;
        for (size_t i = next; i < end; ++i) {
            if (events[i].kind == EventKind::Dump) line(s, false);
            if (events[i].kind == EventKind::Shot && shot) {
                const std::string err = shot(g, host.lastNocurr, events[i].file);
                if (!err.empty()) return err;
            }
        }
        next = end;
    }
    line(ran, true);
    return {};
}

int runReplay(Game& g, const Replay& replay, int64_t dumpEvery, std::ostream& out,
              std::ostream& err) {
    ReplayHost host(g);
    ReplayPlayer player(replay, g, host);
    const auto line = [&](bool end) {
        out << stateJson(g, player.steps(), host.sounds, end) << '\n';
        host.sounds.clear();
    };
    player.start();
    int64_t dumps = 0;
    while (player.runCall() && player.divergence().empty()) {
        if (dumpEvery > 0 && player.steps() / dumpEvery > dumps) {
            dumps = player.steps() / dumpEvery;
            line(false);
        }
    }
    line(true);
    if (player.divergence().empty()) return 0;
    err << "zembrik-sim: " << player.divergence() << '\n';
    return 4;
}

} // namespace zembrik::sim

namespace zembrik::sim {

namespace {

bool within(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

const char* brokenPiece(const Game& g) {
    if (!within(g.curBlox, 1, 7)) return "active piece shape out of range";
    if (!within(g.curMode, 0, 3)) return "active piece rotation out of range";
    if (!within(g.curX, -3, 9) || !within(g.curY, 0, 21)) return "active piece box off the well";
    for (int cell = 0; cell < 16; ++cell) {
        if (g.shapes(g.curBlox, g.curMode, cell) == -1) continue;
        const int x = g.curX + cell % 4, y = g.curY + cell / 4;
        if (!within(x, 0, kWellW - 1) || !within(y, 0, kWellH - 1))
            return "active piece block outside the playing area";
    }
    // No kick lifts a piece, so it never stands above the deepest row it has landed at.
    if (g.curY < g.lowestY) return "active piece above the row it landed at";
    return nullptr;
}

// A small generator for the soak's key presses, apart from the game's random source.
struct KeyDice {
    uint64_t state;
    uint64_t next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
};

} // namespace

const char* brokenInvariant(const Game& g) {
    int solid = 0;
    for (int y = kFieldMinY; y <= kFieldMaxY; ++y) {
        for (int x = kFieldMinX; x < 0; ++x)
            solid |= g.field(x, y);
        for (int x = kWellW; x <= kFieldMaxX; ++x)
            solid |= g.field(x, y);
    }
    for (int y = kWellH; y <= kFieldMaxY; ++y)
        for (int x = 0; x < kWellW; ++x)
            solid |= g.field(x, y);
    if (solid != 0) return "wall or floor cell changed";
    int buffer = -1;
    for (int y = kFieldMinY; y < 0; ++y)
        for (int x = 0; x < kWellW; ++x)
            buffer &= g.field(x, y);
    if (buffer != -1) return "block in the rows above the well";
    for (int mode = 0; mode < 4; ++mode)
        for (int cell = 0; cell < 16; ++cell)
            if (g.shapes(0, mode, cell) != -1) return "shape 0 (no piece) is not empty";
    if (g.inGame != InGame::Menu && g.inGame != InGame::Playing) return "inGame out of range";
    if (!within(static_cast<int>(g.gameState), static_cast<int>(GameState::Entry),
                static_cast<int>(GameState::ClearDelay)))
        return "gameState out of range";
    if (!within(g.curLevel, 0, 20)) return "curLevel out of range";
    if (!within(g.levelCount, 0, 99)) return "levelCount out of range";
    if (g.lines < 0) return "lines out of range";
    if (!(g.score >= 0) || !std::isfinite(g.score)) return "score out of range";
    if (!within(g.holdUsed, 0, 1)) return "holdUsed out of range";
    if (g.handling.custom == 1 ? g.moveDelay != g.handling.delay + 1
                               : g.moveDelay != 3 && g.moveDelay != 6 && g.moveDelay != 10)
        return "moveDelay out of range";
    if (!within(g.mlCount, 0, g.moveDelay + 1) || !within(g.mrCount, 0, g.moveDelay + 1))
        return "repeat counter out of range";
    for (Latch latch : {g.rlCmd, g.rrCmd, g.roCmd, g.mdCmd, g.fdCmd, g.holdCmd})
        if (latch != Latch::Idle && latch != Latch::Pending && latch != Latch::UsedUp)
            return "command latch out of range";
    for (int16_t blox : g.nextBlox)
        if (!within(blox, 1, 7)) return "next queue out of range";
    if (!within(g.holdBlox, 0, 7)) return "hold slot out of range";
    if (g.inGame != InGame::Menu &&
        (g.gameState == GameState::Falling || g.gameState == GameState::Landed))
        return brokenPiece(g);
    return nullptr;
}

int runSoak(Game& g, const SimOptions& o, std::ostream& out, std::ostream& err) {
    static constexpr int kCodes[] = {kCodeLeft, kCodeRight, kCodeDown, kCodeRotl, kCodeRotr,
                                     kCodeRot3, kCodeDrop,  kCodeHold, kCodeEsc};
    constexpr int kKeys = sizeof kCodes / sizeof kCodes[0];
    SoakHost host(g);
    XorShiftRandom rng(CountedSeeds::mix(o.seed, 0));
    CountedSeeds seeds(o.seed);
    Rules rules{host, rng, seeds};
    KeyDice dice{CountedSeeds::mix(o.seed, 0) ^ 0xD1B54A32D192ED03ull};
    if (dice.state == 0) dice.state = 1;
    bool held[kKeys] = {};
    int64_t games = 0;
    const int64_t total = *o.soak;
    const auto start = std::chrono::steady_clock::now();
    for (int64_t s = 1; s <= total; ++s) {
        if (g.inGame == InGame::Menu) {
            newGame(g, host, rng);
            ++games;
            for (bool& h : held)
                h = false;
        }
        // About one key change every eight steps; Escape only rarely.
        const uint64_t r = dice.next();
        if ((r & 7) == 0) {
            const int k = static_cast<int>((r >> 3) % kKeys);
            const bool escape = kCodes[k] == kCodeEsc;
            if (!escape || ((r >> 20) & 1023) == 0) {
                if (held[k])
                    keyUp(g, kCodes[k]);
                else
                    keyDown(g, host, kCodes[k]);
                held[k] = !held[k];
            }
        }
        if (g.inGame != InGame::Menu) tick(g, rules, 1);
        if (const char* broken = brokenInvariant(g)) {
            err << "zembrik-sim: invariant broken: " << broken << " (seed " << o.seed << ", step "
                << s << ")\n";
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char line[512];
    std::snprintf(line, sizeof line,
                  "{\"steps\":%lld,\"games\":%lld,\"pieces\":%lld,\"lines\":%lld,"
                  "\"seconds\":%.3f,\"steps_per_second\":%.0f}",
                  static_cast<long long>(total), static_cast<long long>(games),
                  static_cast<long long>(host.pieces), static_cast<long long>(host.lines), seconds,
                  seconds > 0 ? static_cast<double>(total) / seconds : 0.0);
    out << line << '\n';
    return 0;
}

} // namespace zembrik::sim

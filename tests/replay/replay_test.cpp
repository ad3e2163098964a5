// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: recorded games rerun exactly, the file round trip, bad files, and the kept-files rule.
#include "store/replay.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

#include "engine/keys.h"
#include "pieces/shape_file.h"
#include "placing_bot.h"
#include "replay/keeper.h"
#include "replay/player.h"
#include "replay/recorder.h"
#include "store/records.h"
#include "store/replay_files.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace zembrik {
namespace {

constexpr int kKeys[] = {37, 39, 40, 90, 38, 65, 32, 67};

// A source of seeds that changes on every call, as the clock does.
struct ClockLikeSeeds : SeedSource {
    uint64_t now = 1'765'000'000'000'000'000ull;
    uint64_t nextSeed() override { return now += 16'666'667 + (now % 977); }
};

// Plays like the window: the host ends the recording where the window does.
struct WindowLikeHost : Host {
    Game* g = nullptr;
    ReplayRecorder* rec = nullptr;
    std::optional<Replay> replay;
    std::vector<std::string> sounds;
    void playSound(std::string_view code, int16_t) override { sounds.emplace_back(code); }
    void drawFrame(int16_t) override {}
    void showStartLevel(int16_t level) override { g->curLevel = level; }
    void gameToppedOut() override { replay = rec->finish(*g, GameEnd::TopOut, 1765180517); }
    void leaveToMenu() override {
        if (g->inGame == InGame::Menu) return;
        replay = rec->finish(*g, GameEnd::Escape, 1765180517);
        abandonGame(*g);
    }
};

// The options of the game about to start on g, as the record's fields hold them (its start
// level is curLevel), with that shape set's name.
GameOptions startOptions(const Game& g, std::string shapes) {
    GameOptions o;
    o.startLevel = g.curLevel;
    o.holdOpt = g.holdOpt;
    o.quaOpt = g.quaOpt;
    o.ghostOpt = g.ghostOpt;
    o.nextOpt = g.nextOpt;
    o.clbOpt = g.clbOpt;
    o.mode = g.mode;
    o.handling = g.handling;
    o.shapeFile = std::move(shapes);
    return o;
}

std::unique_ptr<Game> menuRecord(int16_t level, int16_t qua) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(loadshapes(*g, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox"), "");
    emptyShapeZero(*g);
    g->curLevel = level;
    g->quaOpt = qua;
    g->holdOpt = 1;
    g->clbOpt = 2;
    g->climbLimit = 3;
    g->keyMl = 37, g->keyMr = 39, g->keyMd = 40, g->keyRl = 90, g->keyRr = 38, g->keyRo = 65;
    g->keyFd = 32, g->keyHd = 67, g->keySt = 13;
    return g;
}

// A played game: random key presses between tick calls of mostly one step, some of several
// and one stall of three seconds; ends by top-out, or by Escape after `escapeAt` calls.
struct Played {
    std::unique_ptr<Game> g;
    Replay replay;
    std::vector<std::string> sounds;
};

Played play(uint64_t dice, int16_t level, int16_t qua, int escapeAt = -1) {
    Played p;
    p.g = menuRecord(level, qua);
    Game& g = *p.g;
    XorShiftRandom rng;
    ClockLikeSeeds seeds;
    ReplayRecorder rec(rng, seeds);
    WindowLikeHost host;
    host.g = &g;
    host.rec = &rec;
    Rules rules{host, rec.random(), rec.seeds()};
    // A second game on the same record: the queue, lines and hold flag carry over.
    for (int game = 0; game < 2; ++game) {
        const uint64_t gameSeed = seeds.nextSeed();
        rng.seed(gameSeed);
        rec.begin(g, gameSeed, startOptions(g, "centre.kblox"));
        newGame(g, host, rng);
        bool held[8] = {};
        for (int call = 0; g.inGame != InGame::Menu; ++call) {
            dice = dice * 6364136223846793005ull + 1442695040888963407ull;
            const auto r = static_cast<unsigned>(dice >> 33);
            if (game == 1 && call == escapeAt) {
                rec.keyDown(27);
                keyDown(g, host, 27);
                break;
            }
            if (r % 5 == 0) {
                const int k = static_cast<int>((r / 5) % 8);
                held[k] ? rec.keyUp(kKeys[k]) : rec.keyDown(kKeys[k]);
                held[k] ? keyUp(g, kKeys[k]) : keyDown(g, host, kKeys[k]);
                held[k] = !held[k];
            }
            if (r % 97 == 0) {
                rec.releaseKeys();
                releaseHeldKeys(g);
                std::fill(std::begin(held), std::end(held), false);
            }
            const int32_t steps =
                call == 400 ? 180 : (r % 13 == 0 ? 2 + static_cast<int32_t>(r % 3) : 1);
            rec.beforeCall(steps);
            tick(g, rules, steps);
            rec.afterCall(g);
        }
    }
    EXPECT_TRUE(host.replay.has_value());
    if (host.replay) p.replay = *host.replay;
    p.sounds = host.sounds;
    return p;
}

// A game in `mode` with `handling` played by the placing bot, one step per call, recorded; a
// Classic game is left with Escape after 3000 steps.
Played playBot(Mode mode, Handling handling, int16_t level) {
    Played p;
    p.g = menuRecord(level, 0);
    Game& g = *p.g;
    g.mode = mode;
    g.handling = handling;
    XorShiftRandom rng;
    ClockLikeSeeds seeds;
    ReplayRecorder rec(rng, seeds);
    WindowLikeHost host;
    host.g = &g;
    host.rec = &rec;
    Rules rules{host, rec.random(), rec.seeds()};
    const uint64_t gameSeed = seeds.nextSeed();
    rng.seed(gameSeed);
    rec.begin(g, gameSeed, startOptions(g, "centre.kblox"));
    newGame(g, host, rng);
    test::PlacingBot bot;
    while (g.inGame != InGame::Menu) {
        if (g.stepsPlayed >= 30000 || (mode == Mode::Classic && g.stepsPlayed >= 3000)) {
            rec.keyDown(kKeyEscape); // a Classic game has no end of its own: leave it
            keyDown(g, host, kKeyEscape);
            break;
        }
        const test::BotAction a = bot.next(g);
        if (a.code != 0) {
            rec.keyDown(a.code);
            keyDown(g, host, a.code);
        }
        for (int i = 0; i < a.steps && g.inGame != InGame::Menu; ++i) {
            rec.beforeCall(1);
            tick(g, rules, 1);
            rec.afterCall(g);
        }
        if (a.code != 0 && g.inGame != InGame::Menu) {
            rec.keyUp(a.code);
            keyUp(g, a.code);
        }
    }
    EXPECT_TRUE(host.replay.has_value());
    if (host.replay) p.replay = *host.replay;
    return p;
}

struct Rerun {
    std::string divergence;
    std::unique_ptr<Game> g = std::make_unique<Game>();
    std::vector<std::string> sounds;
};

Rerun rerun(const Replay& r) {
    Rerun out;
    struct SoundHost : NullHost {
        std::vector<std::string>* sounds;
        void playSound(std::string_view code, int16_t) override { sounds->emplace_back(code); }
    } host;
    host.sounds = &out.sounds;
    ReplayPlayer player(r, *out.g, host);
    player.start();
    while (player.runCall()) {
    }
    EXPECT_TRUE(player.finished());
    out.divergence = player.divergence();
    return out;
}

size_t count(const Replay& r, ReplayEntry::Kind kind) {
    return static_cast<size_t>(
        std::count_if(r.entries.begin(), r.entries.end(),
                      [kind](const ReplayEntry& e) { return e.kind == kind; }));
}

TEST(ReplayRerun, GamesWithKeysAndStallsRerunToTheirEnd) {
    for (const auto& [dice, level, qua, escapeAt] :
         {std::tuple{1ull, 0, 0, -1}, std::tuple{2ull, 5, 1, -1}, std::tuple{3ull, 12, 1, 500},
          std::tuple{4ull, 20, 2, -1}, std::tuple{5ull, 8, 0, 700}}) {
        SCOPED_TRACE(dice);
        const Played p =
            play(dice, static_cast<int16_t>(level), static_cast<int16_t>(qua), escapeAt);
        EXPECT_EQ(p.replay.end, escapeAt >= 0 ? GameEnd::Escape : GameEnd::TopOut);
        EXPECT_GT(count(p.replay, ReplayEntry::Kind::KeyDown), 10u);
        EXPECT_GT(count(p.replay, ReplayEntry::Kind::Call), 3u);
        const Rerun again = rerun(p.replay);
        EXPECT_EQ(again.divergence, "");
        // The rerun ends exactly where the game did: the state the file does not check too.
        if (p.replay.end == GameEnd::TopOut) {
            EXPECT_EQ(again.g->cells, p.g->cells);
            EXPECT_EQ(again.g->nextBlox, p.g->nextBlox);
            EXPECT_EQ(again.g->holdBlox, p.g->holdBlox);
            EXPECT_EQ(again.g->levelCount, p.g->levelCount);
        }
    }
}

TEST(ReplayRerun, GamesOfEachModeAndHandlingRerunToTheirEnd) {
    struct Case {
        Mode mode;
        Handling handling;
        int16_t level;
    };
    for (const Case& c : {Case{Mode::Sprint, {1, 6, 1, 2}, 0}, Case{Mode::Ultra, {}, 3},
                          Case{Mode::Classic, {1, 3, 0, 0}, 9}}) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        const Played p = playBot(c.mode, c.handling, c.level);
        const ReplayRead back = decodeReplay(encodeReplay(p.replay));
        ASSERT_EQ(back.error, "");
        EXPECT_EQ(back.replay.start.options.mode, c.mode);
        EXPECT_EQ(back.replay.start.options.handling, c.handling);
        const Rerun again = rerun(back.replay);
        EXPECT_EQ(again.divergence, "");
        EXPECT_EQ(again.g->finished, p.g->finished);
        EXPECT_EQ(again.g->stepsPlayed, p.g->stepsPlayed);
        EXPECT_EQ(again.g->lines, p.g->lines);
        if (c.mode == Mode::Sprint) {
            EXPECT_EQ(p.g->finished, 1);
            EXPECT_GE(p.g->lines, 40);
        }
        if (c.mode == Mode::Ultra) {
            EXPECT_EQ(p.g->finished, 1);
            EXPECT_EQ(p.g->stepsPlayed, 7200);
        }
    }
}

TEST(ReplayRerun, TheStallRanAsOneCallOfItsSteps) {
    const Played p = play(6, 0, 0);
    ASSERT_FALSE(p.replay.entries.empty());
    const auto stall = std::find_if(p.replay.entries.begin(), p.replay.entries.end(),
                                    [](const ReplayEntry& e) { return e.count == 180; });
    ASSERT_NE(stall, p.replay.entries.end());
    EXPECT_EQ(stall->kind, ReplayEntry::Kind::Call);
    // Every entry's step follows from those before it.
    int64_t step = 1;
    for (const ReplayEntry& e : p.replay.entries) {
        EXPECT_EQ(e.step, step);
        if (e.kind == ReplayEntry::Kind::Calls || e.kind == ReplayEntry::Kind::Call)
            step += e.count;
        if (e.kind == ReplayEntry::Kind::Check) {
            EXPECT_EQ(e.check.step, step - 1);
        }
    }
    EXPECT_EQ(p.replay.final.step, step - 1);
}

TEST(ReplayRerun, ChangesShowWhereTheyHappen) {
    const Played p = play(7, 3, 0);
    // Other seeds from step 1000 on: other pieces, noticed no earlier than that.
    Replay seed = p.replay;
    int64_t changed = 0;
    for (ReplayEntry& e : seed.entries) {
        if (e.draws == 0 || e.step <= 1000) continue;
        e.seed ^= 0x5555;
        if (changed == 0) changed = e.step;
    }
    ASSERT_GT(changed, 0);
    const std::string diverged = rerun(seed).divergence;
    ASSERT_EQ(diverged.rfind("replay diverged at step ", 0), 0u) << diverged;
    EXPECT_GE(std::stoll(diverged.substr(24)), changed);

    // Hard drops pressed as the key that moves left.
    Replay key = p.replay;
    for (ReplayEntry& e : key.entries)
        if (e.code == 32) e.code = 37;
    EXPECT_NE(rerun(key).divergence, "");

    // A final score off by the smallest step.
    Replay score = p.replay;
    ++score.final.scoreBits;
    EXPECT_EQ(rerun(score).divergence,
              "replay diverged at step " + std::to_string(score.final.step) + ": score");

    // A game said to end by Escape that the rules end by top-out.
    Replay how = p.replay;
    how.end = GameEnd::Escape;
    EXPECT_EQ(rerun(how).divergence,
              "replay diverged at step " + std::to_string(how.final.step) + ": end");

    // A game said to go on after the rerun topped out.
    Replay longer = p.replay;
    ReplayEntry more = longer.entries.back();
    more.kind = ReplayEntry::Kind::KeyDown;
    more.code = 37;
    longer.entries.push_back(more);
    EXPECT_EQ(rerun(longer).divergence,
              "replay diverged at step " + std::to_string(longer.final.step) + ": end");
}

TEST(ReplayFile, RoundTripKeepsEverything) {
    for (uint64_t dice : {8ull, 9ull}) {
        const Played p = play(dice, static_cast<int16_t>(dice), 1, dice == 9 ? 500 : -1);
        const std::string bytes = encodeReplay(p.replay);
        const ReplayRead back = decodeReplay(bytes);
        ASSERT_EQ(back.error, "");
        EXPECT_TRUE(back.replay == p.replay);
        EXPECT_EQ(encodeReplay(back.replay), bytes);
    }
    // Extreme values of every field survive too.
    Replay r;
    r.start.options.startLevel = 20;
    r.start.lines = 32767;
    r.start.climbLimit = 3;
    r.start.keys.fill(255);
    r.start.nextBlox = {7, 1, 7};
    r.start.gameSeed = UINT64_MAX;
    r.start.options.shapeFile = std::string(255, '\xff');
    for (size_t i = 0; i < r.start.shapes.size(); ++i)
        r.start.shapes[i] = static_cast<int16_t>(i % 2 ? -32768 : 32767);
    ReplayEntry call;
    call.kind = ReplayEntry::Kind::Call;
    call.step = 1;
    call.count = 32767;
    call.draws = 1;
    call.seed = UINT64_MAX;
    r.entries.push_back(call);
    r.end = GameEnd::Closed;
    r.endTime = -1;
    r.final.step = 32767;
    r.final.wellHash = UINT64_MAX;
    const ReplayRead back = decodeReplay(encodeReplay(r));
    ASSERT_EQ(back.error, "");
    EXPECT_TRUE(back.replay == r);
}

TEST(ReplayFile, TenMinutesOfBusyPlayStaySmall) {
    // Key changes every few steps for ten minutes: far more than anyone types.
    Played p = play(10, 0, 0);
    Replay r = p.replay;
    while (r.final.step < 36000) {
        for (const ReplayEntry& e : p.replay.entries) {
            ReplayEntry copy = e;
            copy.seed ^= static_cast<uint64_t>(r.final.step) * 0x9E3779B97F4A7C15ull;
            copy.step += r.final.step;
            copy.check.step += r.final.step;
            r.entries.push_back(copy);
        }
        r.final.step += p.replay.final.step;
    }
    EXPECT_LT(encodeReplay(r).size(), 100'000u);
}

class BadReplay : public ::testing::Test {
  protected:
    std::string good = encodeReplay(play(11, 1, 0).replay);
    static std::string error(const std::string& bytes) { return decodeReplay(bytes).error; }
};

TEST_F(BadReplay, RefusedWithAReasonNeverACrash) {
    EXPECT_EQ(error(""), "is not a replay file");
    EXPECT_EQ(error("7 5 0 1\r\n"), "is not a replay file");
    EXPECT_EQ(error("ZRPL\x01"), "is truncated");
    std::string newer = good;
    newer[4] = 4;
    EXPECT_EQ(error(newer), "is a replay of format 4, this program reads 1 to 3");
    std::string huge = good;
    huge[9] = 0x7F;
    EXPECT_EQ(error(huge).rfind("is corrupt (its header gives a body of", 0), 0u);
    std::string longer = good;
    longer[6] = static_cast<char>(longer[6] + 1);
    EXPECT_EQ(error(longer), "is corrupt (its body is not the length its header gives)");
    EXPECT_EQ(error(good + "x"), "is corrupt (bytes after its end)");
    // Every shorter file is refused.
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_NE(error(good.substr(0, n)), "") << n;
    EXPECT_EQ(error(good.substr(0, good.size() - 5)), "is truncated");
    // A changed byte is noticed (the body's checksum) unless it changed nothing that was
    // decoded (an unused code length); none crashes.
    const Replay want = decodeReplay(good).replay;
    for (size_t i = 10; i < good.size(); ++i) {
        std::string bad = good;
        bad[i] = static_cast<char>(bad[i] ^ 0x20);
        const ReplayRead read = decodeReplay(bad);
        EXPECT_TRUE(!read.error.empty() || read.replay == want) << i;
    }
}

TEST_F(BadReplay, ValuesOutOfRangeAreNamed) {
    Replay r = decodeReplay(good).replay;
    const auto reason = [](Replay bad) { return error(encodeReplay(bad)); };
    Replay level = r;
    level.start.options.startLevel = 21;
    EXPECT_EQ(reason(level), "is corrupt (start level is out of range)");
    Replay climb = r;
    climb.start.climbLimit = 2;
    EXPECT_EQ(reason(climb), "is corrupt (climb limit is out of range)");
    Replay mode = r;
    mode.start.options.mode = static_cast<Mode>(kModes.size());
    EXPECT_EQ(reason(mode), "is corrupt (mode is out of range)");
    for (const auto& [h, name] : {std::pair{Handling{2, 10, 2, 1}, "handling"},
                                  {Handling{1, 21, 2, 1}, "repeat delay"},
                                  {Handling{1, 10, 11, 1}, "repeat interval"},
                                  {Handling{1, 10, 2, 11}, "soft-drop interval"}}) {
        Replay handling = r;
        handling.start.options.handling = h;
        EXPECT_EQ(reason(handling), std::string("is corrupt (") + name + " is out of range)");
    }
    Replay queue = r;
    queue.start.nextBlox = {3, 0, 2};
    EXPECT_EQ(reason(queue), "is corrupt (next queue is half empty)");
    Replay key = r;
    key.entries.front().kind = ReplayEntry::Kind::KeyDown;
    key.entries.front().code = 256;
    EXPECT_EQ(reason(key), "is corrupt (key code is out of range)");
    Replay steps = r;
    steps.entries.front().kind = ReplayEntry::Kind::Call;
    steps.entries.front().count = 32768;
    EXPECT_EQ(reason(steps), "is corrupt (due steps is out of range)");
    Replay last = r;
    ++last.final.step;
    EXPECT_EQ(reason(last), "is corrupt (final step is out of place)");
    Replay nan = r;
    nan.final.scoreBits = 0x7FC00000;
    EXPECT_EQ(reason(nan), "is corrupt (score is out of range)");
}

// No game counts more steps than the record's 32-bit step counter holds; a piece without
// blocks never lands, and the rerun stops there instead of running every step given.
TEST_F(BadReplay, NoRerunOutlastsWhatAGameCanReach) {
    Replay r = decodeReplay(good).replay;
    const int64_t steps = r.final.step;
    const auto withCalls = [&](int64_t extra) {
        Replay longer = r;
        longer.final.step = steps + extra;
        ReplayEntry e;
        for (; extra > 0; extra -= e.count) {
            e.count = static_cast<int32_t>(std::min<int64_t>(extra, INT32_MAX));
            longer.entries.push_back(e);
        }
        return longer;
    };
    EXPECT_EQ(error(encodeReplay(withCalls(int64_t{INT32_MAX} - steps + 1))),
              "is corrupt (game is too long)");
    EXPECT_EQ(error(encodeReplay(withCalls(int64_t{INT32_MAX} - steps))), "");

    Replay empty = r;
    empty.start.shapes.fill(-1);
    empty.end = GameEnd::Closed;
    // The first piece comes in within the first call (drawing the next one), then nothing.
    empty.entries = {ReplayEntry{}, ReplayEntry{}};
    empty.entries[0].kind = ReplayEntry::Kind::Call;
    empty.entries[0].count = 300;
    empty.entries[0].draws = 1;
    empty.entries[0].seed = 7;
    empty.entries[1].count = INT32_MAX - 301;
    empty.final.step = INT32_MAX - 1;
    ASSERT_EQ(error(encodeReplay(empty)), "");
    auto g = std::make_unique<Game>();
    NullHost host;
    ReplayPlayer player(empty, *g, host);
    player.start();
    int calls = 0;
    while (player.runCall())
        ++calls;
    EXPECT_LT(calls, 5000);
    EXPECT_TRUE(player.finished());
    EXPECT_EQ(player.divergence().find("replay stopped at step "), 0u) << player.divergence();
    EXPECT_NE(player.divergence().find("has no blocks and can never land"), std::string::npos);
}

TEST_F(BadReplay, FilesThatAreNotPlainFilesAreRefused) {
    EXPECT_EQ(readReplayFile("/nonexistent/x.zrp").error, "/nonexistent/x.zrp: cannot be opened");
    EXPECT_EQ(readReplayFile("/tmp").error, "/tmp: is not a plain file");
}

class ReplayFolder : public test::TempDirTest {
  protected:
    void touch(const std::string& name) const { std::ofstream(dir + "/" + name) << "x"; }
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(dir))
            out.insert(e.path().filename().string());
        return out;
    }
    const std::string& dir = dir_;
};

TEST_F(ReplayFolder, NamesFollowTheEndOfTheGame) {
    EXPECT_EQ(replayStem(1796710517), "20261208T061517Z");
    const std::string sub = dir + "/player/replays";
    const mode_t mask = ::umask(022);
    EXPECT_EQ(saveReplayFile(sub, "20261208T061517Z", "a").fileName, "20261208T061517Z.zrp");
    ::umask(mask);
    for (const std::string& made : {dir + "/player", sub}) {
        struct stat st {};
        ASSERT_EQ(::stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made << ": the player's folders are private";
    }
    EXPECT_EQ(saveReplayFile(sub, "20261208T061517Z", "b").fileName, "20261208T061517Z-2.zrp");
    EXPECT_EQ(saveReplayFile(sub, "20261208T061517Z", "c").fileName, "20261208T061517Z-3.zrp");
    // Same second, later game: newer, although '-' sorts before '.'.
    EXPECT_EQ(listReplays(sub),
              (std::vector<std::string>{"20261208T061517Z.zrp", "20261208T061517Z-2.zrp",
                                        "20261208T061517Z-3.zrp"}));
    for (const char* notOurs : {"20261208T061517Z-1.zrp", "20261208T061517Z-02.zrp",
                                "2026120xT061517Z.zrp", "20261208T061517Z.zrp~", "a.zrp"})
        EXPECT_FALSE(parseReplayName(notOurs)) << notOurs;
    ::chmod(sub.c_str(), 0500);
    if (::geteuid() != 0) {
        const SavedReplay refused = saveReplayFile(sub, "20261208T061518Z", "d");
        EXPECT_EQ(refused.fileName, "");
        EXPECT_NE(refused.error.find("20261208T061518Z.zrp"), std::string::npos);
    }
    ::chmod(sub.c_str(), 0700);
}

// A game that scored is kept, in memory at once and as a file once the jobs are done; one that
// placed no piece (no points) is not.
TEST_F(ReplayFolder, TheKeeperKeepsGamesThatScored) {
    XorShiftRandom rng;
    CountedSeeds seeds{1};
    ReplayKeeper keeper(rng, seeds, dir + "/replays");
    Game g;
    keeper.recorder().begin(g, 1, startOptions(g, "x.kblox"));
    EXPECT_EQ(keeper.gameEnded(g, GameEnd::Escape, 1796710517), "");
    EXPECT_EQ(keeper.lastKept(), nullptr);
    keeper.recorder().begin(g, 1, startOptions(g, "x.kblox"));
    g.score = 1;
    EXPECT_EQ(keeper.gameEnded(g, GameEnd::Escape, 1796710517), "20261208T061517Z");
    ASSERT_NE(keeper.lastKept(), nullptr);
    EXPECT_EQ(keeper.lastKept()->end, GameEnd::Escape);
    keeper.flush();
    EXPECT_EQ(listReplays(dir + "/replays"), std::vector<std::string>{"20261208T061517Z.zrp"});
}

TEST_F(ReplayFolder, KeepsTheNewestAndEveryBest) {
    // 130 games over two days, some in the same second; every tenth set a best.
    std::vector<std::string> all;
    for (int i = 0; i < 130; ++i) {
        const std::string stem = replayStem(1796710517 + (i / 2) * 600);
        const std::string name = stem + (i % 2 ? "-2.zrp" : ".zrp");
        touch(name);
        all.push_back(name);
    }
    touch("notes.txt");
    fs::create_directory(dir + "/20261208T061517Z-9.zrp"); // a folder is never a replay
    const auto best = [&](const std::string& n) {
        const auto at = std::find(all.begin(), all.end(), n);
        return at != all.end() && (at - all.begin()) % 10 == 0;
    };
    EXPECT_EQ(pruneReplays(dir, 100, best), "");
    std::set<std::string> want(all.end() - 100, all.end());
    for (size_t i = 0; i < 30; i += 10)
        want.insert(all[i]);
    want.insert("notes.txt");
    want.insert("20261208T061517Z-9.zrp");
    EXPECT_EQ(names(), want);
    // Fewer than the limit: nothing goes.
    EXPECT_EQ(pruneReplays(dir, 200, {}), "");
    EXPECT_EQ(names(), want);
}

// The games that set a best are those records.000 says, of their own kind each.
TEST_F(ReplayFolder, TheBestsAreTheOnesRecordsSays) {
    const int64_t t0 = 1796710517;
    std::string records;
    const auto game = [&](int64_t t, int64_t score, const char* shapes) {
        GameRecord r;
        r.ended = utcStamp(static_cast<std::time_t>(t));
        r.options.startLevel = 5;
        r.score = score;
        r.options.shapeFile = shapes;
        records += recordLine(r) + "\r\n";
    };
    game(t0, 500, "centre.kblox");       // the first of its kind: a best
    game(t0 + 60, 400, "centre.kblox");  // not
    game(t0 + 120, 900, "centre.kblox"); // a best
    game(t0 + 180, 10, "top.kblox");     // the first of another kind
    game(t0 + 240, 900, "centre.kblox"); // equals the best: not
    std::ofstream(dir + "/records.000", std::ios::binary) << records;
    for (int i = 0; i < 5; ++i)
        touch(replayStem(t0 + i * 60) + ".zrp");
    touch(replayStem(t0 + 120) + "-2.zrp"); // a game left in the same second as a best
    touch(replayStem(t0 + 100) + ".zrp");   // a game left by Esc: never in records.000
    for (int i = 0; i < 100; ++i)
        touch(replayStem(t0 + 3600 + i) + ".zrp");

    EXPECT_EQ(pruneReplays(dir, 100, bestsFromRecords(dir + "/records.000")), "");
    std::set<std::string> left = names();
    left.erase("records.000");
    EXPECT_EQ(left.size(), 104u);
    for (int64_t t : {t0, t0 + 120, t0 + 180})
        EXPECT_EQ(left.count(replayStem(t) + ".zrp"), 1u) << t;
    EXPECT_EQ(left.count(replayStem(t0 + 120) + "-2.zrp"), 1u);
    EXPECT_EQ(left.count(replayStem(t0 + 3600) + ".zrp"), 1u);

    // Without a records file no game set a best: only the newest stay.
    fs::remove(dir + "/records.000");
    EXPECT_EQ(pruneReplays(dir, 100, bestsFromRecords(dir + "/records.000")), "");
    EXPECT_EQ(names().size(), 100u);
    EXPECT_EQ(names().count(replayStem(t0 + 3600) + ".zrp"), 1u);
}

// records.000 there but unreadable cannot say which games set a best: every replay stays.
TEST_F(ReplayFolder, UnreadableRecordsKeepEveryReplay) {
    for (int i = 0; i < 130; ++i)
        touch(replayStem(1796710517 + i) + ".zrp");
    const std::string records = dir + "/records.000";
    const auto kept = [&] {
        EXPECT_EQ(pruneReplays(dir, 100, bestsFromRecords(records)), "");
        size_t n = 0;
        for (const std::string& name : names())
            n += parseReplayName(name) ? 1 : 0;
        return n;
    };
    fs::create_symlink(dir + "/nowhere/records.000", records); // a drive not mounted
    EXPECT_EQ(kept(), 130u);
    fs::remove(records);
    fs::create_directory(records);
    EXPECT_EQ(kept(), 130u);
}

// The game just played is never pruned, and age is when a file was written: names from a
// clock that was ahead, or copied from another machine, do not push out the games since.
TEST_F(ReplayFolder, PruningKeepsTheGameJustPlayedAndGoesByWhenFilesWereWritten) {
    const std::time_t now = std::time(nullptr);
    const auto at = [&](const std::string& name, std::time_t written) {
        touch(name);
        const struct timeval tv[2] = {{written, 0}, {written, 0}};
        ASSERT_EQ(::utimes((dir + "/" + name).c_str(), tv), 0);
    };
    // 120 games copied in yesterday, named in 2030.
    for (int i = 0; i < 120; ++i)
        at(replayStem(1893456000 + i) + ".zrp", now - 86400 + i);
    // Ten games played since, the last one just now; and one written "in the future".
    for (int i = 0; i < 10; ++i)
        at(replayStem(now - 600 + i * 60) + ".zrp", now - 600 + i * 60);
    at(replayStem(1893457000) + ".zrp", now + 86400);
    const std::string justPlayed = replayStem(now) + "-2.zrp";
    at(justPlayed, now);
    EXPECT_EQ(pruneReplays(dir, 20, {}, justPlayed), "");
    const std::set<std::string> left = names();
    EXPECT_EQ(left.size(), 20u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(left.count(replayStem(now - 600 + i * 60) + ".zrp"), 1u) << i;
    EXPECT_EQ(left.count(justPlayed), 1u);
    EXPECT_EQ(left.count(replayStem(1893456000 + 119) + ".zrp"), 1u);
    EXPECT_EQ(left.count(replayStem(1893456000) + ".zrp"), 0u);
    // Even when it is the oldest by every measure, the game just played stays.
    at(justPlayed, now - 10 * 86400);
    EXPECT_EQ(pruneReplays(dir, 5, {}, justPlayed), "");
    EXPECT_EQ(names().count(justPlayed), 1u);
    EXPECT_EQ(names().size(), 6u);
}

// Two programs saving games that ended in the same second: every replay is kept whole.
TEST_F(ReplayFolder, GamesSavedTogetherInTwoProgramsAreAllKept) {
    constexpr int kPrograms = 4, kGames = 10;
    test::runInPrograms(kPrograms, [&](int p) {
        int failed = 0;
        for (int i = 0; i < kGames; ++i) {
            const std::string bytes(2000 + p * 100 + i, static_cast<char>('a' + p));
            failed += saveReplayFile(dir, "20261208T061517Z", bytes).error.empty() ? 0 : 1;
        }
        return failed;
    });
    std::set<std::string> contents;
    for (const std::string& name : listReplays(dir))
        contents.insert(read(dir + "/" + name));
    EXPECT_EQ(listReplays(dir).size(), static_cast<size_t>(kPrograms * kGames));
    EXPECT_EQ(contents.size(), static_cast<size_t>(kPrograms * kGames));
    EXPECT_EQ(names().size(), static_cast<size_t>(kPrograms * kGames)) << "no temporary file";
}

// Key codes 0..255 are recorded; any other changes nothing in the rules and is left out. A
// call counts the steps the tick runs.
TEST(ReplayRecorderLimits, TheRecorderKeepsKeyCodesUpTo255) {
    Game g;
    XorShiftRandom rng;
    CountedSeeds seeds{1};
    ReplayRecorder rec(rng, seeds);
    rec.begin(g, 1, startOptions(g, "x.kblox"));
    for (const int code : {-1, 0, 255, 256})
        rec.keyDown(code);
    EXPECT_EQ(rec.steps(), 0);
    rec.beforeCall(40000); // the tick runs at most 32767
    EXPECT_EQ(rec.steps(), 32767);
    const std::optional<Replay> r = rec.finish(g, GameEnd::Escape, 0);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->entries.size(), 3u);
    EXPECT_EQ(r->entries[0].code, 0);
    EXPECT_EQ(r->entries[1].code, 255);
    rec.begin(g, 1, startOptions(g, "x.kblox"));
    rec.beforeCall(5); // a call the recording was cancelled in is not the next game's
    rec.cancel();
    rec.begin(g, 1, startOptions(g, "x.kblox"));
    EXPECT_TRUE(rec.finish(g, GameEnd::Escape, 0)->entries.empty());
}

} // namespace
} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's option and script parsers, its state dump, invariant check and replay loop.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "engine/tick.h"
#include "placing_bot.h"
#include "simulator.h"
#include "store/records.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::sim;

namespace {

ParsedOptions parse(std::vector<std::string> args) {
    return parseOptions(args);
}

Script script(const std::string& text) {
    std::istringstream in(text);
    return parseScript(in);
}

std::vector<std::string> replay(const std::string& text, const SimOptions& o = {}) {
    Game g;
    EXPECT_EQ(prepareGame(g, o, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox"), "");
    const Script s = script(text);
    EXPECT_EQ(s.error, "");
    std::ostringstream out;
    runScript(g, o, s.events, out);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(SimOptions, DefaultsAndBothForms) {
    const ParsedOptions d = parse({});
    EXPECT_EQ(d.error, "");
    EXPECT_EQ(d.options.level, 0);
    EXPECT_EQ(d.options.hold, 1);
    EXPECT_EQ(d.options.seed, 1u);
    EXPECT_EQ(d.options.script, "-");
    EXPECT_FALSE(d.options.steps);

    const ParsedOptions p =
        parse({"--level", "12", "--hold=0", "--qua=2", "--climb", "1", "--debug",
               "--seed=18446744073709551615", "--steps", "40", "run.txt"});
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.options.level, 12);
    EXPECT_EQ(p.options.hold, 0);
    EXPECT_EQ(p.options.qua, 2);
    EXPECT_EQ(p.options.climb, 1);
    EXPECT_TRUE(p.options.debug);
    EXPECT_EQ(p.options.seed, 18446744073709551615u);
    EXPECT_EQ(p.options.steps, 40);
    EXPECT_EQ(p.options.script, "run.txt");
}

TEST(SimOptions, BadInputIsNamed) {
    EXPECT_NE(parse({"--level", "21"}).error.find("--level"), std::string::npos);
    EXPECT_NE(parse({"--level=-1"}).error, "");
    EXPECT_NE(parse({"--level=+3"}).error, "");
    EXPECT_NE(parse({"--level=3x"}).error, "");
    EXPECT_NE(parse({"--hold", "2"}).error, "");
    EXPECT_NE(parse({"--climb=3"}).error, "");
    EXPECT_NE(parse({"--seed"}).error.find("needs a value"), std::string::npos);
    EXPECT_NE(parse({"--debug=1"}).error.find("takes no value"), std::string::npos);
    EXPECT_NE(parse({"--fast"}).error.find("unknown option --fast"), std::string::npos);
    EXPECT_NE(parse({"-x"}).error.find("unknown option"), std::string::npos);
    EXPECT_NE(parse({"a", "b"}).error.find("more than one script"), std::string::npos);
    EXPECT_NE(parse({"--soak", "5", "a"}).error, "");
    EXPECT_EQ(parse({"-"}).error, "");
}

TEST(SimScript, ReadsEventsAndSkipsCommentsAndBlanks) {
    const Script s = script("# a comment\n\n  \n1 press left\r\n1 dump\n3 release left\n"
                            "3 press 9\n  # indented comment\n7 press esc\n");
    ASSERT_EQ(s.error, "");
    ASSERT_EQ(s.events.size(), 5u);
    EXPECT_EQ(s.events[0].kind, EventKind::Press);
    EXPECT_EQ(s.events[0].key, kCodeLeft);
    EXPECT_EQ(s.events[1].kind, EventKind::Dump);
    EXPECT_EQ(s.events[2].kind, EventKind::Release);
    EXPECT_EQ(s.events[3].key, 57);
    EXPECT_EQ(s.events[4].step, 7);
    EXPECT_EQ(s.events[4].key, kCodeEsc);
}

TEST(SimScript, ErrorsNameTheLine) {
    EXPECT_EQ(script("2 dump\n1 dump\n").error, "script line 2: step 1 comes after step 2");
    EXPECT_NE(script("0 dump\n").error.find("line 1"), std::string::npos);
    EXPECT_NE(script("x dump\n").error.find("line 1"), std::string::npos);
    EXPECT_NE(script("1\n").error.find("missing event"), std::string::npos);
    EXPECT_NE(script("1 press\n").error.find("needs a key"), std::string::npos);
    EXPECT_NE(script("1 press up\n").error.find("unknown key 'up'"), std::string::npos);
    EXPECT_NE(script("1 press 0\n").error.find("unknown key"), std::string::npos);
    EXPECT_NE(script("1 dump now\n").error.find("unexpected"), std::string::npos);
    EXPECT_NE(script("1 press left now\n").error.find("unexpected"), std::string::npos);
    EXPECT_TRUE(script("1 dump\n1 jump\n").events.empty());
}

TEST(SimDump, FieldsInOrder) {
    Game g = test::newRecord();
    g.score = 539.354675f;
    g.field(9, 21) = 12;
    const std::string s = stateJson(g, 42, {"ers:2", "lck:0"}, true);
    EXPECT_EQ(s.rfind("{\"step\":42,\"inGame\":-1,\"gameState\":2,\"waitTicks\":60,", 0), 0u);
    EXPECT_NE(s.find("\"score\":539.354675,\"lines\":0,"), std::string::npos);
    EXPECT_NE(s.find("\"nextBlox\":[1,2,3],\"holdBlox\":0,\"field\":[[-1,"), std::string::npos);
    EXPECT_NE(s.find(",-1,12]],\"sounds\":[\"ers:2\",\"lck:0\"],\"end\":true}"), std::string::npos);
    EXPECT_EQ(std::count(s.begin(), s.end(), '['), 1 + 22 + 1 + 1);
    EXPECT_EQ(stateJson(g, 1, {}, false).find("end"), std::string::npos);
}

TEST(SimInvariants, CatchBrokenRecords) {
    Game g = test::newRecord();
    EXPECT_EQ(brokenInvariant(g), nullptr);
    Game wall = g;
    wall.field(-1, 5) = -1;
    EXPECT_NE(brokenInvariant(wall), nullptr);
    Game floor = g;
    floor.field(4, 23) = 3;
    EXPECT_NE(brokenInvariant(floor), nullptr);
    Game buffer = g;
    buffer.field(2, -1) = 0;
    EXPECT_NE(brokenInvariant(buffer), nullptr);
    Game noPiece = g;
    noPiece.shapes(0, 3, 15) = 0;
    EXPECT_NE(brokenInvariant(noPiece), nullptr);
    Game count = g;
    count.levelCount = 100;
    EXPECT_NE(brokenInvariant(count), nullptr);
    Game piece = g;
    piece.curX = 8; // the T's right block on column 10
    EXPECT_NE(brokenInvariant(piece), nullptr);
    Game lifted = g;
    lifted.curY = 5;
    lifted.lowestY = 6;
    EXPECT_NE(brokenInvariant(lifted), nullptr);
    piece.gameState = GameState::Entry; // no active piece in the entry delay
    EXPECT_EQ(brokenInvariant(piece), nullptr);
}

TEST(SimShapes, DefaultComesFromTheStyleSettings) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("zembrik_sim_default_shapes" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "data");
    EXPECT_EQ(defaultShapes(dir), dir / "data" / "centre.kblox");
    std::ofstream(dir / "data" / "option_style.000") << "top.kblox\r\nflat.style\r\n";
    EXPECT_EQ(defaultShapes(dir), dir / "data" / "top.kblox");
    std::filesystem::remove_all(dir);
}

TEST(SimReplay, KeysBeforeTheStepDumpsAfter) {
    const auto lines = replay("120 dump\n121 press drop\n121 dump\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"step\":120,\"inGame\":-1,\"gameState\":2,"), std::string::npos);
    EXPECT_NE(lines[0].find("\"sounds\":[\"stt:0\"]"), std::string::npos);
    EXPECT_NE(lines[1].find("\"gameState\":3,\"waitTicks\":40,"), std::string::npos);
    EXPECT_NE(lines[1].find("\"sounds\":[\"lnd:0\"]"), std::string::npos);
    EXPECT_NE(lines[2].find("\"sounds\":[],\"end\":true"), std::string::npos);
}

TEST(SimReplay, EscapeBeforeAStepEndsTheRun) {
    const auto lines = replay("5 press esc\n5 dump\n9 dump\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("{\"step\":4,\"inGame\":0,", 0), 0u);
}

TEST(SimReplay, StepsOptionRunsPastTheScript) {
    SimOptions o;
    o.steps = 10;
    const auto lines = replay("2 dump\n", o);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("{\"step\":10,", 0), 0u);
    EXPECT_EQ(replay("").front().rfind("{\"step\":0,", 0), 0u);
}

TEST(SimReplay, DigitsActOnlyInDebugMode) {
    EXPECT_EQ(replay("3 press 5\n3 dump\n").front().find("\"nextBlox\":[5,"), std::string::npos);
    SimOptions o;
    o.debug = true;
    EXPECT_NE(replay("3 press 5\n3 dump\n", o).front().find("\"nextBlox\":[5,"), std::string::npos);
    EXPECT_NE(replay("3 press 9\n3 dump\n", o).front().find("\"curLevel\":20,"), std::string::npos);
}

TEST(SimScript, ShotTakesTheRestOfTheLineAsItsFile) {
    const Script s = script("5 shot  /tmp/a b.png  \n6 dump\n");
    ASSERT_TRUE(s.error.empty()) << s.error;
    ASSERT_EQ(s.events.size(), 2u);
    EXPECT_EQ(s.events[0].kind, EventKind::Shot);
    EXPECT_EQ(s.events[0].file, "/tmp/a b.png");
    EXPECT_NE(script("5 shot\n").error.find("line 1"), std::string::npos);
}

TEST(SimOptions, StyleGhostAndNext) {
    const ParsedOptions p = parseOptions({"--style=x/data/y.style", "--ghost", "0", "--next=0"});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_EQ(*p.options.style, "x/data/y.style");
    EXPECT_EQ(p.options.ghost, 0);
    EXPECT_EQ(p.options.next, 0);
    EXPECT_FALSE(parseOptions({"--next=2"}).error.empty());
}

// The figures of a game's summary and records line, from a scripted game played to its end:
// two rows cleared at once by five O pieces, then no key until the stack reaches the top.
TEST(SimFigures, AScriptedGameCountsItsStepsPiecesAndClears) {
    SimOptions o;
    o.debug = true;
    o.steps = 200000;
    Game g;
    ASSERT_EQ(prepareGame(g, o, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox"), "");
    std::ifstream file(std::string(ZEMBRIK_SOURCE_DIR) +
                       "/tests/sim/replays/clear_two_rows.script");
    const Script s = parseScript(file);
    ASSERT_EQ(s.error, "");
    std::ostringstream out;
    runScript(g, o, s.events, out);
    const std::string text = out.str();
    ASSERT_EQ(g.inGame, InGame::Menu) << "the game topped out";

    // The last line's step is the number of steps the game ran.
    const size_t at = text.rfind("{\"step\":") + 8;
    const int64_t steps = std::stoll(text.substr(at));
    EXPECT_EQ(g.stepsPlayed, steps);
    size_t locks = 0;
    for (size_t p = text.find("\"lck:0\""); p != std::string::npos;
         p = text.find("\"lck:0\"", p + 1))
        ++locks;
    EXPECT_EQ(static_cast<size_t>(g.piecesPlaced), locks);
    EXPECT_EQ(g.lines, 2);
    EXPECT_EQ(g.clears, (std::array<int32_t, 4>{0, 1, 0, 0}));

    const GameRecord r = recordOf(g, gameOptionsOf(o, "centre.kblox"), 0);
    EXPECT_EQ(r.milliseconds, steps * 1000 / 60);
    EXPECT_EQ(r.options.startLevel, 0);
    EXPECT_EQ(r.levelReached, g.curLevel);
    EXPECT_EQ(r.score, static_cast<int64_t>(g.score));
    EXPECT_EQ(recordLine(r), "1970-01-01T00:00:00Z 0 " + std::to_string(g.curLevel) + " " +
                                 std::to_string(r.score) + " 2 " + std::to_string(locks) + " " +
                                 std::to_string(steps * 1000 / 60) +
                                 " 0 1 0 0 1 0 1 1 0 centre.kblox\t0 0 10 2 1 1");
}

namespace {

// The script of a game the placing bot plays with the simulator's options, keys and seeds.
std::vector<Event> botScript(const SimOptions& o) {
    Game g;
    EXPECT_EQ(prepareGame(g, o, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox"), "");
    NullHost host;
    XorShiftRandom rng(CountedSeeds::mix(o.seed, 0));
    CountedSeeds seeds(o.seed);
    Rules rules{host, rng, seeds};
    newGame(g, host, rng);
    test::PlacingBot bot;
    std::vector<Event> events;
    for (int64_t step = 1; g.inGame == InGame::Playing && step < 20000;) {
        const test::BotAction a = bot.next(g);
        if (a.code != 0) {
            events.push_back({step, EventKind::Press, a.code, {}});
            keyDown(g, host, a.code);
        }
        for (int i = 0; i < a.steps && g.inGame == InGame::Playing; ++i, ++step)
            tick(g, rules, 1);
        if (a.code != 0) {
            events.push_back({step, EventKind::Release, a.code, {}});
            keyUp(g, a.code);
        }
    }
    return events;
}

std::string endLine(const SimOptions& o, const std::vector<Event>& events) {
    Game g;
    EXPECT_EQ(prepareGame(g, o, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox"), "");
    std::ostringstream out;
    runScript(g, o, events, out);
    const std::string text = out.str();
    const size_t last = text.rfind('\n', text.size() - 2);
    return text.substr(last == std::string::npos ? 0 : last + 1);
}

} // namespace

TEST(SimModes, EndLinesOfSprintAndUltraSayWhetherTheyFinishedAndTheirGameSteps) {
    SimOptions sprint;
    sprint.mode = Mode::Sprint;
    sprint.handling = {1, 6, 1, 2};
    const std::string won = endLine(sprint, botScript(sprint));
    const size_t at = won.find(",\"finished\":true,\"gameSteps\":");
    ASSERT_NE(at, std::string::npos) << won;
    // The game time is the step of the 40th line: the run's last step.
    const std::string steps = won.substr(at + 29, won.find(',', at + 29) - at - 29);
    EXPECT_EQ(won.rfind("{\"step\":" + steps + ",", 0), 0u) << won;
    EXPECT_GE(std::stoi(won.substr(won.find("\"lines\":") + 8)), 40);

    SimOptions ultra;
    ultra.mode = Mode::Ultra;
    ultra.steps = 9000;
    EXPECT_NE(endLine(ultra, {}).find(",\"finished\":true,\"gameSteps\":7200,\"end\":true}"),
              std::string::npos);
    ultra.level = 9; // no keys at level 9: the stack tops out long before the time
    const std::string lost = endLine(ultra, {});
    EXPECT_NE(lost.find(",\"finished\":false,\"gameSteps\":"), std::string::npos) << lost;
    SimOptions classic;
    classic.steps = 100;
    EXPECT_EQ(endLine(classic, {}).find("finished"), std::string::npos);
}

TEST(SimOptions, ModeAndHandling) {
    const ParsedOptions p = parse({"--mode", "ultra", "--repeat-delay=0", "--soft-drop", "10"});
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.options.mode, Mode::Ultra);
    EXPECT_EQ(p.options.handling, (Handling{1, 0, 2, 10}));
    EXPECT_EQ(parse({"--handling", "custom"}).options.handling, (Handling{1, 10, 2, 1}));
    EXPECT_NE(parse({"--mode", "marathon"}).error.find("--mode"), std::string::npos);
    EXPECT_NE(parse({"--repeat-delay", "21"}).error, "");
    EXPECT_NE(parse({"--repeat-interval", "11"}).error, "");
    EXPECT_NE(parse({"--soft-drop", "-1"}).error, "");
    EXPECT_NE(parse({"--handling", "fast"}).error, "");
    for (const char* name :
         {"--mode", "--handling", "--repeat-delay", "--repeat-interval", "--soft-drop"})
        EXPECT_NE(helpText().find(name), std::string::npos) << name;
}

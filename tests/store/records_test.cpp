// SPDX-License-Identifier: GPL-3.0-or-later
// records.000: the exact line, reading it back, the rewrite that keeps 1000 lines and every
// line it cannot read, and the personal bests.
#include "store/records.h"
#include "store/replay_files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace zembrik {
namespace {

// 2024-03-05T07:08:09Z
constexpr std::time_t kEnded = 1709622489;

GameRecord sample() {
    Game g;
    g.curLevel = 7;
    g.score = 12345.9f;
    g.lines = 23;
    g.piecesPlaced = 61;
    g.stepsPlayed = 6001; // 100.0166 s
    g.clears = {5, 3, 4, 0};
    GameOptions o;
    o.startLevel = 3;
    o.holdOpt = 1;
    o.quaOpt = 2;
    o.nextOpt = 1;
    o.clbOpt = 2;
    o.shapeFile = "my shapes.kblox";
    return recordOf(g, o, kEnded);
}

class RecordsFileTest : public test::TempDirTest {
  protected:
    std::string path() const { return dir_ + "/player/records.000"; }
    static void put(const std::string& p, const std::string& bytes) {
        fs::create_directories(fs::path(p).parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
};

TEST(RecordLine, FieldsInOrderSeparatedBySingleBlanks) {
    const GameRecord r = sample();
    EXPECT_EQ(recordLine(r),
              "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 my shapes.kblox"
              "\t0 0 10 2 1 1");
    // 1 x 5 + 2 x 3 + 3 x 4 = 23: the clears add up to the lines.
    const auto back = parseRecordLine(recordLine(r));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, r);
    EXPECT_EQ(utcStamp(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(utcStamp(951782400), "2000-02-29T00:00:00Z");
}

TEST(RecordLine, LinesThatAreNotRecordsAreRefused) {
    const std::string good = recordLine(sample());
    ASSERT_TRUE(parseRecordLine(good));
    const std::string bad[] = {
        "",
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2",  // no shape set
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 ", // empty name
        "2024-03-05 07:08:09 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-13-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 21 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 -5 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 1e5 23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 12345  23 61 100016 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 2 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 3 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 99999999999999999999 23 61 1 5 3 4 0 1 2 0 1 2 x.kblox",
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x\tz.kblox",
    };
    for (const std::string& line : bad)
        EXPECT_FALSE(parseRecordLine(line)) << line;
    // Blanks belong to the name: it is the rest of the line.
    const auto spaced = parseRecordLine(
        "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2  two  blanks ");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->options.shapeFile, " two  blanks ");
    // A name with a line end cannot split the record.
    GameRecord odd = sample();
    odd.options.shapeFile = "a\r\nb.kblox";
    EXPECT_EQ(parseRecordLine(recordLine(odd))->options.shapeFile, "a??b.kblox");
}

TEST_F(RecordsFileTest, EachGameAddsOneLineAndTheBestIsPerKind) {
    GameRecord first = sample();
    RecordsOutcome o = addRecord(path(), first, 6001); // the folder is created
    EXPECT_EQ(o.error, "");
    EXPECT_TRUE(o.game.newBest);
    EXPECT_EQ(o.game.best.score, 12345);
    EXPECT_EQ(read(path()), recordLine(first) + "\r\n");

    GameRecord lower = first;
    lower.score = 9000;
    lower.options.ghostOpt = 1; // the ghost is only a view: still the same kind
    o = addRecord(path(), lower, 100);
    EXPECT_FALSE(o.game.newBest);
    EXPECT_EQ(o.game.best.score, 12345);

    GameRecord tie = first;
    o = addRecord(path(), tie, 100);
    EXPECT_FALSE(o.game.newBest) << "equalling the best does not set it";

    GameRecord otherShapes = first;
    otherShapes.options.shapeFile = "top.kblox";
    otherShapes.score = 10;
    EXPECT_TRUE(addRecord(path(), otherShapes, 100).game.newBest);
    GameRecord otherStart = first;
    otherStart.options.startLevel = 4;
    otherStart.score = 10;
    EXPECT_TRUE(addRecord(path(), otherStart, 100).game.newBest);

    GameRecord higher = first;
    higher.score = 20000;
    o = addRecord(path(), higher, 100);
    EXPECT_TRUE(o.game.newBest);
    EXPECT_EQ(o.game.best.score, 20000);

    const RecordsFile f = readRecords(path());
    EXPECT_EQ(f.unreadable, 0);
    ASSERT_EQ(f.records.size(), 6u);
    EXPECT_EQ(f.records.front(), first);
    EXPECT_EQ(f.records.back(), higher);
}

TEST_F(RecordsFileTest, UnreadableLinesAreKeptAsTheyAreAndOnlyTheNewestThousandStay) {
    std::string old = "not a record\r\n";
    GameRecord r = sample();
    for (int i = 0; i < 1200; ++i) {
        r.score = 100000 + i;
        old += recordLine(r) + "\r\n";
    }
    old += "garbage \x01\xff at the end\n"; // a lone LF ends a line too
    put(path(), old);
    r.score = 5;
    const RecordsOutcome o = addRecord(path(), r, 1);
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.unreadable, 2);
    EXPECT_FALSE(o.game.newBest);
    EXPECT_EQ(o.game.best.score, 101199);

    const RecordsFile f = readRecords(path());
    ASSERT_EQ(f.lines.size(), kMaxRecordLines);
    EXPECT_EQ(f.unreadable, 1);
    EXPECT_EQ(f.lines[kMaxRecordLines - 2], "garbage \x01\xff at the end");
    EXPECT_EQ(f.lines.back(), recordLine(r));
    EXPECT_EQ(f.records.front().score, 100000 + 1200 - 998);
    const std::string text = read(path());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("not a record"), std::string::npos) << "the oldest line went";
}

TEST_F(RecordsFileTest, AByteOrderMarkIsNotPartOfTheFirstLine) {
    put(path(), "\xEF\xBB\xBF" + recordLine(sample()) + "\r\n");
    const RecordsFile f = readRecords(path());
    EXPECT_EQ(f.unreadable, 0);
    ASSERT_EQ(f.records.size(), 1u);
    EXPECT_EQ(f.records[0], sample());
}

TEST_F(RecordsFileTest, TheFileIsReplacedWholeAndOneThatCannotBeReadIsLeftAlone) {
    const GameRecord r = sample();
    put(path(), recordLine(r) + "\r\n");
    // A second name for the old file: a rewrite in place would change what it shows.
    const std::string kept = dir_ + "/player/kept";
    ASSERT_EQ(::link(path().c_str(), kept.c_str()), 0);
    ASSERT_EQ(addRecord(path(), r, 1).error, "");
    EXPECT_EQ(read(kept), recordLine(r) + "\r\n");
    EXPECT_EQ(read(path()), recordLine(r) + "\r\n" + recordLine(r) + "\r\n");
    size_t names = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_ + "/player"))
        ++names;
    EXPECT_EQ(names, 2u) << "no temporary file is left behind";

    // A folder where the file belongs: nothing is written, the game still gets its figures.
    fs::remove(path());
    fs::create_directories(path());
    const RecordsOutcome o = addRecord(path(), r, 1);
    EXPECT_NE(o.error.find("records.000"), std::string::npos) << o.error;
    EXPECT_TRUE(o.game.newBest);
    EXPECT_EQ(o.game.best.score, r.score);
    EXPECT_TRUE(fs::is_directory(path()));
}

// A damaged tail (NUL bytes left by a crash, a long run of binary data) is left out; the good
// lines before it, and after it, stay.
TEST_F(RecordsFileTest, ADamagedTailLosesNoGoodLine) {
    std::string good;
    GameRecord r = sample();
    for (int i = 0; i < 50; ++i) {
        r.score = 1000 + i;
        good += recordLine(r) + "\r\n";
    }
    const struct {
        const char* what;
        std::string tail;
    } tails[] = {
        {"4.5 MiB of NUL bytes", std::string(9u << 19, '\0')},
        {"one 6 MiB line", std::string(6u << 20, 'x') + "\r\n"},
        {"NUL bytes, then good lines", std::string(5u << 20, '\0') + "\n" + good},
    };
    for (const auto& t : tails) {
        put(path(), good + t.tail);
        r.score = 5;
        const RecordsOutcome o = addRecord(path(), r, 1);
        EXPECT_EQ(o.error, "") << t.what;
        EXPECT_NE(o.notice.find("1 damaged line(s) over 4096 bytes left out"), std::string::npos)
            << t.what << ": " << o.notice;
        EXPECT_EQ(o.game.best.score, 1049) << t.what;
        const RecordsFile f = readRecords(path());
        const size_t goodLines = t.tail.find("\n2024") != std::string::npos ? 100 : 50;
        EXPECT_EQ(f.records.size(), goodLines + 1) << t.what;
        EXPECT_EQ(f.damaged, 0) << t.what;
        EXPECT_EQ(f.records.front().score, 1000) << t.what;
        EXPECT_EQ(f.records.back(), r) << t.what;
    }
}

// The message after a game says how many unreadable lines stay and how many went with the
// oldest lines, as the file shows afterwards.
TEST_F(RecordsFileTest, TheNoticeSaysWhatHappenedToUnreadableLines) {
    std::string old;
    GameRecord r = sample();
    for (int i = 0; i < 2000; ++i)
        old += "note " + std::to_string(i) + "\r\n";
    for (int i = 0; i < 10; ++i)
        old += recordLine(r) + "\r\n";
    put(path(), old);
    const RecordsOutcome o = addRecord(path(), r, 1);
    EXPECT_EQ(o.unreadable, 2000);
    EXPECT_EQ(o.notice, path() + ": 2000 line(s) could not be read; 989 kept as they are, " +
                            "1011 left out with the oldest lines");
    EXPECT_EQ(readRecords(path()).unreadable, 989);
    // All kept: the message says so.
    put(path(), "note\r\n" + recordLine(r) + "\r\n");
    EXPECT_EQ(addRecord(path(), r, 1).notice,
              path() + ": 1 line(s) could not be read; kept as they are");
    put(path(), recordLine(r) + "\r\n");
    EXPECT_EQ(addRecord(path(), r, 1).notice, "");
}

// records.000 as a link: written through to a records file, never to a file of the player's
// that does not read as one.
TEST_F(RecordsFileTest, ALinkToAFileThatIsNotRecordsIsNeverRewritten) {
    const GameRecord r = sample();
    const std::string notes = dir_ + "/notes.txt";
    put(notes, "shopping: eggs, milk\r\nphone the plumber\r\n");
    fs::create_directories(fs::path(path()).parent_path());
    fs::create_symlink(notes, path());
    const RecordsOutcome o = addRecord(path(), r, 1);
    EXPECT_NE(o.error.find("no line reads as a record"), std::string::npos) << o.error;
    EXPECT_EQ(read(notes), "shopping: eggs, milk\r\nphone the plumber\r\n");
    EXPECT_TRUE(o.game.newBest);
    // A link to records (one damaged line among them) and a link to an empty file are records.
    const std::string elsewhere = dir_ + "/kept.000";
    for (const std::string& text : {recordLine(r) + "\r\nnote\r\n", std::string()}) {
        put(elsewhere, text);
        fs::remove(path());
        fs::create_symlink(elsewhere, path());
        EXPECT_EQ(addRecord(path(), r, 1).error, "");
        EXPECT_EQ(read(elsewhere), text + recordLine(r) + "\r\n");
        EXPECT_TRUE(fs::is_symlink(path()));
    }
}

// Two instances ending games together: each reads, adds its line and writes; none is lost.
TEST_F(RecordsFileTest, GamesEndingTogetherInTwoProgramsLoseNoLine) {
    constexpr int kPrograms = 4, kGames = 25;
    test::runInPrograms(kPrograms, [&](int p) {
        GameRecord r = sample();
        int failed = 0;
        for (int i = 0; i < kGames; ++i) {
            r.score = p * 1000 + i;
            failed += addRecord(path(), r, 1).error.empty() ? 0 : 1;
        }
        return failed;
    });
    const RecordsFile f = readRecords(path());
    EXPECT_EQ(f.records.size(), static_cast<size_t>(kPrograms * kGames));
    std::set<int64_t> scores;
    for (const GameRecord& r : f.records)
        scores.insert(r.score);
    EXPECT_EQ(scores.size(), static_cast<size_t>(kPrograms * kGames));
}

// Replays of games that set a best are kept: which games those were, and their file stems.
TEST(RecordBests, GamesThatSetABestOfTheirKind) {
    std::vector<GameRecord> r(5, sample());
    const int64_t scores[] = {500, 400, 500, 900, 10};
    for (size_t i = 0; i < r.size(); ++i) {
        r[i].score = scores[i];
        r[i].ended = utcStamp(kEnded + static_cast<std::time_t>(i));
    }
    r[4].options.shapeFile = "top.kblox"; // a kind of its own
    const std::vector<std::string> want{r[0].ended, r[3].ended, r[4].ended};
    EXPECT_EQ(bestSettingTimes(r), want);
    EXPECT_EQ(compactStamp(utcStamp(kEnded)), replayStem(kEnded));
}

TEST(RecordLine, ModeHandlingAndFinishedFollowATabAndOldLinesAreClassic) {
    GameRecord r = sample();
    r.options.mode = Mode::Sprint;
    r.options.handling = {1, 0, 10, 0};
    r.finished = false;
    EXPECT_EQ(recordLine(r).substr(recordLine(r).find('\t')), "\t1 1 0 10 0 0");
    EXPECT_EQ(parseRecordLine(recordLine(r)), r);
    // A line written before games had modes: a finished Classic game, classic handling.
    const auto old =
        parseRecordLine("2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 a b.kblox");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->options.mode, Mode::Classic);
    EXPECT_EQ(old->options.handling, Handling{});
    EXPECT_TRUE(old->finished);
    EXPECT_EQ(old->options.shapeFile, "a b.kblox");
    // Fields after the tab out of range, missing, extra or malformed: not a record.
    const std::string head = "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 x\t";
    for (const char* tail :
         {"3 0 10 2 1 1", "1 2 10 2 1 1", "1 1 21 2 1 1", "1 1 10 11 1 1", "1 1 10 2 11 1",
          "1 1 10 2 1 2", "1 0 10 2 1", "1 0 10 2 1 1 0", "1 0 10 2 1 1 ", "", "\t1 0 10 2 1 1",
          "1  0 10 2 1 1", "-1 0 10 2 1 1"})
        EXPECT_FALSE(parseRecordLine(head + tail)) << tail;
}

// The best of a kind: which records it is chosen from and in what order they rank.
TEST(RecordBests, EachModeRanksItsOwnFinishedGames) {
    const auto rec = [](Mode mode, int64_t ms, int32_t pieces, int64_t score, int32_t lines,
                        bool finished = true) {
        GameRecord r = sample();
        r.options.mode = mode;
        r.milliseconds = ms;
        r.pieces = pieces;
        r.score = score;
        r.lines = lines;
        r.finished = finished;
        return r;
    };
    struct Case {
        Mode mode;
        std::vector<GameRecord> records;
        size_t best;                 // index of the best
        std::vector<size_t> setters; // indexes of the records that set a best as they came
    };
    const Case cases[] = {
        // Sprint: the shortest time, then fewer pieces; a faster top-out is no result.
        {Mode::Sprint,
         {rec(Mode::Sprint, 50000, 100, 9, 40), rec(Mode::Sprint, 45000, 110, 9, 40),
          rec(Mode::Sprint, 45000, 104, 1, 40), rec(Mode::Sprint, 2000, 5, 1, 1, false),
          rec(Mode::Sprint, 45000, 104, 1, 41)},
         2,
         {0, 1, 2}},
        // Ultra: the highest score, then more lines.
        {Mode::Ultra,
         {rec(Mode::Ultra, 120000, 9, 900, 10), rec(Mode::Ultra, 120000, 9, 900, 12),
          rec(Mode::Ultra, 120000, 9, 800, 30), rec(Mode::Ultra, 90000, 9, 5000, 50, false),
          rec(Mode::Ultra, 120000, 9, 900, 12)},
         1,
         {0, 1}},
        // Classic: the highest score; lines and time do not count.
        {Mode::Classic,
         {rec(Mode::Classic, 1000, 9, 700, 10), rec(Mode::Classic, 1000, 9, 700, 90),
          rec(Mode::Classic, 10, 9, 699, 10)},
         0,
         {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        // Records of other modes and of custom handling are other kinds, however good.
        std::vector<GameRecord> all{
            rec(c.mode == Mode::Sprint ? Mode::Ultra : Mode::Sprint, 1, 1, 99999, 99)};
        GameRecord custom = rec(c.mode, 1, 1, 99999, 99);
        custom.options.handling.custom = 1;
        all.push_back(custom);
        all.insert(all.end(), c.records.begin(), c.records.end());
        const auto best = bestOf(all, c.records.front());
        ASSERT_TRUE(best);
        EXPECT_EQ(*best, c.records[c.best]);
        // The games that set a best as they came: the first of each kind, then each better.
        for (size_t i = 0; i < all.size(); ++i)
            all[i].ended = utcStamp(kEnded + static_cast<std::time_t>(i));
        std::vector<std::string> times{all[0].ended, all[1].ended};
        for (size_t i : c.setters)
            times.push_back(all[2 + i].ended);
        EXPECT_EQ(bestSettingTimes(all), times);
    }
    // Custom handling counts its three numbers; classic handling ignores them.
    GameRecord a = sample(), b = sample();
    a.options.handling = {1, 10, 2, 1};
    b.options.handling = {1, 10, 3, 1};
    EXPECT_FALSE(sameBestKind(a, b));
    a.options.handling = {0, 10, 2, 1};
    b.options.handling = {0, 1, 3, 0};
    EXPECT_TRUE(sameBestKind(a, b));
}

TEST_F(RecordsFileTest, AnUnfinishedGameIsRecordedButNeverABest) {
    GameRecord sprint = sample();
    sprint.options.mode = Mode::Sprint;
    sprint.finished = false;
    RecordsOutcome o = addRecord(path(), sprint, 600, 90);
    EXPECT_EQ(o.error, "");
    EXPECT_FALSE(o.game.newBest);
    EXPECT_FALSE(o.game.hasBest);
    sprint.finished = true;
    sprint.milliseconds = 90000;
    o = addRecord(path(), sprint, 5400, 90);
    EXPECT_TRUE(o.game.newBest);
    sprint.milliseconds = 80000;
    sprint.finished = false;
    o = addRecord(path(), sprint, 4800, 90);
    EXPECT_FALSE(o.game.newBest);
    EXPECT_EQ(o.game.best.milliseconds, 90000);
    EXPECT_EQ(readRecords(path()).records.size(), 3u);
}

TEST(Summary, FiguresOfAFinishedGame) {
    EXPECT_EQ(playTime(0), "0:00");
    EXPECT_EQ(playTime(59), "0:00");
    EXPECT_EQ(playTime(60 * 61 + 59), "1:01");
    EXPECT_EQ(playTime(60 * 60 * 75), "75:00");
    EXPECT_EQ(piecesPerSecond(0, 0), "0.0");
    EXPECT_EQ(piecesPerSecond(61, 6001), "0.6");
    EXPECT_EQ(piecesPerSecond(5, 120), "2.5");

    FinishedGame f{sample(), 6001, 0, sample(), true, false};
    f.best.score = 20000;
    const std::vector<SummaryRow> rows = summaryRows(f);
    std::string text;
    for (const SummaryRow& row : rows)
        text += row.label + "=" + row.value + ";";
    EXPECT_EQ(text, "Score=12345;Lines=23;Level=H7;Pieces=61;Time=1:40;Pieces/s=0.6;"
                    "1-row clears=5;2-row clears=3;3-row clears=4;4+ row clears=0;"
                    "Best from H3=20000;");
}

TEST(Summary, SprintAndUltraShowTheirResultRatesAndHandling) {
    EXPECT_EQ(clockTime(0), "0:00.00");
    EXPECT_EQ(clockTime(1), "0:00.01");
    EXPECT_EQ(clockTime(7200), "2:00.00");
    EXPECT_EQ(clockTime(60 * 61 + 59), "1:01.98");
    EXPECT_EQ(clockTimeMs(61999), "1:01.99");
    EXPECT_EQ(keysPerPiece(7, 3), "2.33");
    EXPECT_EQ(keysPerPiece(7, 0), "0.00");

    GameRecord r = sample();
    r.options.mode = Mode::Sprint;
    r.options.handling = {1, 8, 0, 2};
    r.lines = 40;
    r.milliseconds = 100016;
    FinishedGame f{r, 6001, 122, r, true, true};
    f.best.milliseconds = 95000;
    const auto text = [](const FinishedGame& game) {
        std::string t;
        for (const SummaryRow& row : summaryRows(game))
            t += row.label + "=" + row.value + ";";
        return t;
    };
    EXPECT_EQ(text(f),
              "Sprint=1:40.01;Lines=40;Score=12345;Time=1:40.01;Pieces=61;"
              "Pieces/s=0.6;Keys/piece=2.00;Handling=custom 8/0/2;1-row clears=5;"
              "2-row clears=3;3-row clears=4;4+ row clears=0;Best Sprint from H3=1:35.00;");
    f.record.options.mode = Mode::Ultra;
    f.record.finished = false;
    f.record.options.handling.custom = 0;
    f.best = f.record;
    f.hasBest = false;
    EXPECT_EQ(text(f), "Ultra=unfinished;Lines=40;Level=H7;Time=1:40.01;Pieces=61;Pieces/s=0.6;"
                       "Keys/piece=2.00;1-row clears=5;2-row clears=3;3-row clears=4;"
                       "4+ row clears=0;Best Ultra from H3=none;");
}

} // namespace
} // namespace zembrik

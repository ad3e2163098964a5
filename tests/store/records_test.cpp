// records.000: the exact line, reading it back, the rewrite that keeps 1000 lines and every
// line it cannot read, and the personal bests.
#include "store/records.h"
#include "store/replay_files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace zembrik {
namespace {

// 2024-03-05T07:08:09Z
constexpr std::time_t kEnded = 1709622489;

GameRecord sample() {
    Game g;
    g.startLevel = 3;
    g.curLevel = 7;
    g.score = 12345.9f;
    g.lines = 23;
    g.piecesPlaced = 61;
    g.stepsPlayed = 6001; // 100.0166 s
    g.clears = {5, 3, 4, 0};
    g.holdOpt = 1;
    g.quaOpt = 2;
    g.ghostOpt = 0;
    g.nextOpt = 1;
    g.clbOpt = 2;
    return recordOf(g, "my shapes.kblox", kEnded);
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
              "2024-03-05T07:08:09Z 3 7 12345 23 61 100016 5 3 4 0 1 2 0 1 2 my shapes.kblox");
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
    EXPECT_EQ(spaced->shapeFile, " two  blanks ");
    // A name with a line end cannot split the record.
    GameRecord odd = sample();
    odd.shapeFile = "a\r\nb.kblox";
    EXPECT_EQ(parseRecordLine(recordLine(odd))->shapeFile, "a??b.kblox");
}

TEST_F(RecordsFileTest, EachGameAddsOneLineAndTheBestIsPerKind) {
    GameRecord first = sample();
    RecordsOutcome o = addRecord(path(), first, 6001); // the folder is created
    EXPECT_EQ(o.error, "");
    EXPECT_TRUE(o.game.newBest);
    EXPECT_EQ(o.game.best, 12345);
    EXPECT_EQ(read(path()), recordLine(first) + "\r\n");

    GameRecord lower = first;
    lower.score = 9000;
    lower.ghostOpt = 1; // the ghost is only a view: still the same kind
    o = addRecord(path(), lower, 100);
    EXPECT_FALSE(o.game.newBest);
    EXPECT_EQ(o.game.best, 12345);

    GameRecord tie = first;
    o = addRecord(path(), tie, 100);
    EXPECT_FALSE(o.game.newBest) << "equalling the best does not set it";

    GameRecord otherShapes = first;
    otherShapes.shapeFile = "top.kblox";
    otherShapes.score = 10;
    EXPECT_TRUE(addRecord(path(), otherShapes, 100).game.newBest);
    GameRecord otherStart = first;
    otherStart.startLevel = 4;
    otherStart.score = 10;
    EXPECT_TRUE(addRecord(path(), otherStart, 100).game.newBest);

    GameRecord higher = first;
    higher.score = 20000;
    o = addRecord(path(), higher, 100);
    EXPECT_TRUE(o.game.newBest);
    EXPECT_EQ(o.game.best, 20000);

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
    EXPECT_EQ(o.game.best, 101199);

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
    EXPECT_EQ(o.game.best, r.score);
    EXPECT_TRUE(fs::is_directory(path()));
}

// Replays of games that set a best are kept: which games those were, and their file stems.
TEST(RecordBests, GamesThatSetABestOfTheirKind) {
    std::vector<GameRecord> r(5, sample());
    const int64_t scores[] = {500, 400, 500, 900, 10};
    for (size_t i = 0; i < r.size(); ++i) {
        r[i].score = scores[i];
        r[i].ended = utcStamp(kEnded + static_cast<std::time_t>(i));
    }
    r[4].shapeFile = "top.kblox"; // a kind of its own
    const std::vector<std::string> want{r[0].ended, r[3].ended, r[4].ended};
    EXPECT_EQ(bestSettingTimes(r), want);
    EXPECT_EQ(compactStamp(utcStamp(kEnded)), replayStem(kEnded));
}

TEST(Summary, FiguresOfAFinishedGame) {
    EXPECT_EQ(playTime(0), "0:00");
    EXPECT_EQ(playTime(59), "0:00");
    EXPECT_EQ(playTime(60 * 61 + 59), "1:01");
    EXPECT_EQ(playTime(60 * 60 * 75), "75:00");
    EXPECT_EQ(piecesPerSecond(0, 0), "0.0");
    EXPECT_EQ(piecesPerSecond(61, 6001), "0.6");
    EXPECT_EQ(piecesPerSecond(5, 120), "2.5");

    FinishedGame f{sample(), 6001, 20000, false};
    const std::vector<SummaryRow> rows = summaryRows(f);
    std::string text;
    for (const SummaryRow& row : rows)
        text += row.label + "=" + row.value + ";";
    EXPECT_EQ(text, "Score=12345;Lines=23;Level=H7;Pieces=61;Time=1:40;Pieces/s=0.6;"
                    "1-row clears=5;2-row clears=3;3-row clears=4;4+ row clears=0;"
                    "Best from H3=20000;");
}

} // namespace
} // namespace zembrik

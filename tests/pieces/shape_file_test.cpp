// SPDX-License-Identifier: GPL-3.0-or-later
// The shape-set reader: separators, extra numbers, and every error path keeping the table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "pieces/shape_file.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

std::string numbersText(int count, const std::string& sep, int start = 0) {
    std::ostringstream out;
    for (int k = 0; k < count; ++k)
        out << (k ? sep : "") << ((start + k) % 17 - 1);
    return out.str();
}

Game sentinelGame() {
    Game g;
    g.shapeCells.fill(7);
    return g;
}

// Writes bytes to the file `name` in the temporary folder and expects loadshapes to read it as
// the 448 numbers of numbersText; the file is removed afterwards.
void expectFileLoadsTheNumbers(const std::string& name, const std::string& bytes) {
    // The process number keeps test runs side by side (other build folders) apart.
    const auto path = std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name);
    std::ofstream(path, std::ios::binary) << bytes;
    Game a = sentinelGame(), b = sentinelGame();
    EXPECT_EQ(loadshapes(a, path.string()), "");
    loadshapesFromText(b, numbersText(448, ","), "b");
    EXPECT_EQ(a.shapeCells, b.shapeCells);
    std::filesystem::remove(path);
}

} // namespace

TEST(Loadshapes, AnyMixOfSeparatorsReadsTheSame) {
    Game a = sentinelGame(), b = sentinelGame(), c = sentinelGame();
    EXPECT_EQ(loadshapesFromText(a, numbersText(448, ","), "a"), "");
    EXPECT_EQ(loadshapesFromText(b, numbersText(448, " ,\r\n  "), "b"), "");
    EXPECT_EQ(loadshapesFromText(c, numbersText(448, "\n"), "c"), "");
    EXPECT_EQ(a.shapeCells, b.shapeCells);
    EXPECT_EQ(a.shapeCells, c.shapeCells);
    // Number k goes to shape 1 + k/64, state (k/16)%4, cell k%16; shape 0 is never written.
    EXPECT_EQ(a.shapes(1, 0, 0), -1);
    EXPECT_EQ(a.shapes(1, 1, 2), 18 % 17 - 1);
    EXPECT_EQ(a.shapes(7, 3, 15), 447 % 17 - 1);
    for (int m = 0; m < 4; ++m)
        for (int cell = 0; cell < 16; ++cell)
            EXPECT_EQ(a.shapes(0, m, cell), 7);
}

TEST(Loadshapes, ExtraNumbersAndTrailingJunkAreIgnored) {
    Game a = sentinelGame(), b = sentinelGame();
    EXPECT_EQ(loadshapesFromText(a, numbersText(448, ","), "a"), "");
    EXPECT_EQ(loadshapesFromText(b, numbersText(448, ",") + ",5,6,x,y\nwhatever", "b"), "");
    EXPECT_EQ(a.shapeCells, b.shapeCells);
}

TEST(Loadshapes, ErrorsNameTheProblemAndKeepTheTable) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {numbersText(301, ","), "f: only 301 numbers, a shape set needs 448"},
        {"", "f: only 0 numbers, a shape set needs 448"},
        {"1,2,3\r\n4,5\r\n6\r\nx1,7", "f: line 4: 'x1' is not a number"},
        {"1\n2\r3\r\n4.5", "f: line 4: '4.5' is not a number"},
        {"1, 99999", "f: line 1: '99999' is out of range"},
        {"1 --2", "f: line 1: '--2' is not a number"},
        {"1 +-2", "f: line 1: '+-2' is not a number"},
        {"1 +", "f: line 1: '+' is not a number"},
    };
    for (const Case& c : cases) {
        Game g = sentinelGame();
        const auto before = g.shapeCells;
        EXPECT_EQ(loadshapesFromText(g, c.text, "f"), c.expected);
        EXPECT_EQ(g.shapeCells, before);
    }
}

TEST(Loadshapes, MissingFileKeepsTheTable) {
    Game g = sentinelGame();
    const auto before = g.shapeCells;
    const std::string err = loadshapes(g, "/nonexistent/none.kblox");
    EXPECT_NE(err.find("/nonexistent/none.kblox"), std::string::npos);
    EXPECT_EQ(g.shapeCells, before);
}

TEST(Loadshapes, ReadsAFileFromDisk) {
    expectFileLoadsTheNumbers("zembrik_shapes_test.kblox", numbersText(448, ",\r\n"));
}

// Hostile files: a refusal always keeps the table and says why in one short line.
TEST(Loadshapes, HostileFilesAreRefusedWithAShortReason) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("zembrik shapes 'odd' \xc3\xa9 " + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "a folder.kblox");
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream out(dir / name, std::ios::binary);
        out << bytes;
        return (dir / name).string();
    };
    ASSERT_EQ(mkfifo((dir / "pipe.kblox").c_str(), 0600), 0); // would block a reader forever
    const std::string binary("\x00\xff\x01-1,\x00\x00 5", 10);
    const std::string cases[] = {
        (dir / "a folder.kblox").string(),
        (dir / "pipe.kblox").string(),
        write("empty.kblox", ""),
        write("binary.kblox", binary),
        write("long.kblox", std::string(3 << 20, '1')), // one 3 MB "number"
        write("blanks.kblox", std::string(3 << 20, ' ') + numbersText(448, ",")),
        write("negative.kblox", numbersText(447, ",") + ",-99999999999999999999"),
    };
    for (const std::string& path : cases) {
        Game g = sentinelGame();
        const auto before = g.shapeCells;
        const std::string err = loadshapes(g, path);
        EXPECT_FALSE(err.empty()) << path;
        EXPECT_LT(err.size(), path.size() + 80) << err.substr(0, 200);
        EXPECT_EQ(g.shapeCells, before) << path;
    }
    Game g;
    EXPECT_EQ(loadshapes(g, (dir / "binary.kblox").string()),
              (dir / "binary.kblox").string() + ": line 1: '?\xff?-1' is not a number");
    EXPECT_EQ(loadshapes(g, (dir / "a folder.kblox").string()),
              (dir / "a folder.kblox").string() + ": is not a plain file");
    std::filesystem::remove_all(dir);
}

TEST(Loadshapes, OddCharactersInTheNameAndPaddingAroundTheNumbersLoad) {
    expectFileLoadsTheNumbers("zembrik \"set\" \xe6\xbc\xa2.kblox",
                              std::string(100000, '\n') + numbersText(448, " \t") + " " +
                                  std::string(1 << 20, 'x'));
}

// From other editors and systems: a byte-order mark first, a Latin-1 (not UTF-8) file name.
TEST(Loadshapes, ByteOrderMarkAndANameThatIsNotUtf8Load) {
    expectFileLoadsTheNumbers("zembrik sch\xF6n.kblox", "\xEF\xBB\xBF" + numbersText(448, "\r\n"));
}

// Every shipped set: four blocks per state, joins that point at blocks of the same state,
// touching blocks joined both ways, and every shape spawning inside columns 3-6 of rows 0-1.
TEST(ShippedShapeSets, AreWellFormed) {
    int sets = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZEMBRIK_SOURCE_DIR) + "/data")) {
        if (entry.path().extension() != ".kblox") continue;
        ++sets;
        SCOPED_TRACE(entry.path().filename().string());
        Game g;
        ASSERT_EQ(loadshapes(g, entry.path().string()), "");
        for (int blox = 1; blox <= 7; ++blox)
            for (int mode = 0; mode < 4; ++mode) {
                auto at = [&](int x, int y) {
                    return x >= 0 && x < 4 && y >= 0 && y < 4 &&
                           g.shapes(blox, mode, x + 4 * y) != -1;
                };
                int blocks = 0;
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < 4; ++x) {
                        const int v = g.shapes(blox, mode, x + 4 * y);
                        if (v == -1) continue;
                        ++blocks;
                        ASSERT_GE(v, 0);
                        ASSERT_LE(v, 15);
                        EXPECT_EQ((v & 1) != 0, at(x, y - 1)) << blox << "/" << mode;
                        EXPECT_EQ((v & 2) != 0, at(x, y + 1)) << blox << "/" << mode;
                        EXPECT_EQ((v & 4) != 0, at(x - 1, y)) << blox << "/" << mode;
                        EXPECT_EQ((v & 8) != 0, at(x + 1, y)) << blox << "/" << mode;
                        if (mode == 0) {
                            EXPECT_LE(y, 1) << "spawns below row 1: " << blox;
                        }
                    }
                EXPECT_EQ(blocks, 4) << blox << "/" << mode;
            }
    }
    EXPECT_GE(sets, 2);
}

// A file that opens but whose reading fails (here: memory at address 0, which /proc/self/mem
// cannot give) is reported as not read, and the table stays as it was.
TEST(Loadshapes, AFileThatCannotBeReadIsReportedSo) {
    if (!std::ifstream("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
    Game g = newRecord();
    const auto before = g.shapeCells;
    EXPECT_EQ(loadshapes(g, "/proc/self/mem"), "/proc/self/mem: cannot be read");
    EXPECT_EQ(g.shapeCells, before);
}

TEST(Loadshapes, NumbersAtTheEdgesOfTheirRange) {
    for (const char* edge : {"32767", "-32768", "+32767"}) {
        Game g = sentinelGame();
        EXPECT_EQ(loadshapesFromText(g, std::string(edge) + "," + numbersText(447, ","), "f"), "");
        EXPECT_EQ(g.shapes(1, 0, 0), std::stoi(edge)) << edge;
    }
    for (const char* over : {"32768", "-32769"}) {
        Game g = sentinelGame();
        EXPECT_EQ(loadshapesFromText(g, std::string(over) + "," + numbersText(447, ","), "f"),
                  std::string("f: line 1: '") + over + "' is out of range");
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files: exact write format, tolerant reading, defaults, clamping, safe writing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

#include "app/settings_file.h"
#include "app_fixture.h"
#include "engine/keys.h"
#include "full_disk.h"
#include "pieces/shape_file.h"

namespace zembrik::test {
namespace {

class SettingsFileTest : public AppDirTest {
  protected:
    QStringList load() { return loadfile(g, s, styleLoader(), appDir); }
    Game g;
    Settings s;
};

TEST_F(SettingsFileTest, ShippedFilesLoadWithoutNotes) {
    copyAllShipped();
    const QStringList notes = load();
    EXPECT_TRUE(notes.isEmpty()) << notes.join('\n').toStdString();
    EXPECT_EQ(s.options.startLevel, 0);
    EXPECT_EQ(s.options.holdOpt, 1);
    EXPECT_EQ(s.options.quaOpt, 0);
    EXPECT_EQ(s.options.nextOpt, 1);
    EXPECT_EQ(s.options.ghostOpt, 1);
    EXPECT_EQ(g.muteOpt, 0);
    EXPECT_EQ(s.options.clbOpt, 0);
    const int16_t keys[9] = {g.keyMl, g.keyMr, g.keyMd, g.keyRl, g.keyRr,
                             g.keyRo, g.keyFd, g.keyHd, g.keySt};
    const KeyAssignment& k = kDefaultKeys;
    const int16_t expected[9] = {k.ml, k.mr, k.md, k.rl, k.rr, k.ro, k.fd, k.hd, k.st};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(keys[i], expected[i]) << i;
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(s.styleFile, "classic.style");
    EXPECT_EQ(styleCalls, std::vector<std::string>{"classic.style"});
    EXPECT_EQ(s.keyNames[37], "37 Left arrow");
    for (int cell = 0; cell < 16; ++cell)
        EXPECT_EQ(g.shapes(0, 2, cell), -1);
}

TEST_F(SettingsFileTest, RoundTripRewritesTheShippedFilesByteForByte) {
    copyAllShipped();
    load();
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    for (const char* name : {"option_game.000", "option_style.000", "option_key.000"})
        EXPECT_EQ(readData(QLatin1String(name)), shippedFile(name)) << name;
}

TEST_F(SettingsFileTest, IntegersAreWrittenBlankDigitsBlankOrMinusDigitsBlank) {
    s.options.startLevel = 5;
    s.options.holdOpt = -1;
    s.options.quaOpt = 20;
    EXPECT_EQ(gameFileText(g, s), QByteArray(" 5 \r\n-1 \r\n 20 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"));
    s.options.shapeFile = "top.kblox";
    s.styleFile = "my style.style";
    EXPECT_EQ(styleFileText(s), QByteArray("top.kblox\r\nmy style.style\r\n"));
    g.keyMl = 255;
    EXPECT_TRUE(keyFileText(g).startsWith(" 255 \r\n 0 \r\n"));
    EXPECT_EQ(keyFileText(g).count("\r\n"), 9);
}

TEST_F(SettingsFileTest, WrittenValuesReadBack) {
    copyAllShipped();
    Game out;
    Settings os;
    os.options.startLevel = 20;
    os.options.quaOpt = 2;
    os.options.clbOpt = 2;
    out.muteOpt = 1;
    out.keyMl = 100;
    out.keySt = 255;
    os.options.shapeFile = "centre.kblox";
    os.styleFile = "other.style";
    ASSERT_EQ(writeSettings(out, os, appDir), QString());
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(s.options.startLevel, 20);
    EXPECT_EQ(s.options.quaOpt, 2);
    EXPECT_EQ(s.options.clbOpt, 2);
    EXPECT_EQ(g.muteOpt, 1);
    EXPECT_EQ(g.keyMl, 100);
    EXPECT_EQ(g.keySt, 255);
    EXPECT_EQ(s.styleFile, "other.style");
}

TEST_F(SettingsFileTest, KeysOnOneLineSeparatedByCommasReadLikeNineLines) {
    copyAllShipped();
    writeData("option_key.000", "37,39,40,90,38,65,32,67,13");
    EXPECT_TRUE(load().isEmpty());
    const QByteArray commas = keyFileText(g);
    copyShipped("option_key.000");
    load();
    EXPECT_EQ(keyFileText(g), commas);
    EXPECT_EQ(g.keyRl, 90);
}

TEST_F(SettingsFileTest, HandWrittenPlainNumbersWithMixedSeparatorsRead) {
    copyAllShipped();
    writeData("option_game.000", "7\n0\t2,  1\r\n0 1\n2");
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(s.options.startLevel, 7);
    EXPECT_EQ(s.options.holdOpt, 0);
    EXPECT_EQ(s.options.quaOpt, 2);
    EXPECT_EQ(s.options.nextOpt, 1);
    EXPECT_EQ(s.options.ghostOpt, 0);
    EXPECT_EQ(g.muteOpt, 1);
    EXPECT_EQ(s.options.clbOpt, 2);
}

TEST_F(SettingsFileTest, MissingFilesGiveTheShippedDefaultsWithNotes) {
    copyShipped("centre.kblox");
    s.options.holdOpt = 0;
    const QStringList notes = load();
    EXPECT_EQ(notes.size(), 4) << notes.join('\n').toStdString();
    EXPECT_EQ(s.options.holdOpt, 1);
    EXPECT_EQ(s.options.nextOpt, 1);
    EXPECT_EQ(s.options.ghostOpt, 1);
    EXPECT_EQ(g.keyMl, kDefaultKeys.ml);
    EXPECT_EQ(g.keySt, kDefaultKeys.st);
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(s.styleFile, "classic.style");
    EXPECT_EQ(s.keyNames[32], "32 Space") << "the built-in names stand in for keycode.000";
    Game shipped;
    ASSERT_EQ(loadshapes(shipped, (appDir + "/data/centre.kblox").toStdString()), "");
    for (int cell = 0; cell < 16; ++cell)
        EXPECT_EQ(g.shapes(3, 1, cell), shipped.shapes(3, 1, cell));
}

TEST_F(SettingsFileTest, ShortFileKeepsWhatItHasAndDefaultsTheRest) {
    copyAllShipped();
    writeData("option_game.000", " 7 \r\n 0 \r\n");
    const QStringList notes = load();
    EXPECT_EQ(notes.size(), 5);
    EXPECT_EQ(s.options.startLevel, 7);
    EXPECT_EQ(s.options.holdOpt, 0);
    EXPECT_EQ(s.options.nextOpt, 1);
    EXPECT_EQ(s.options.ghostOpt, 1);
}

TEST_F(SettingsFileTest, GarbledValuesGiveDefaultsAndNearbyValuesStay) {
    copyAllShipped();
    writeData("option_key.000", "37 x9 40 90 38 65 32 67 13 \r\n");
    writeData("option_game.000", "\x01\xff 1 0 1 1 0 0");
    const QStringList notes = load();
    EXPECT_EQ(notes.size(), 2) << notes.join('\n').toStdString();
    EXPECT_EQ(g.keyMl, 37);
    EXPECT_EQ(g.keyMr, 39);
    EXPECT_EQ(g.keyMd, 40);
    EXPECT_EQ(s.options.startLevel, 0);
}

TEST_F(SettingsFileTest, OutOfRangeValuesBecomeTheNearestValidOne) {
    copyAllShipped();
    writeData("option_game.000", " 25 \r\n-1 \r\n 3 \r\n 9 \r\n 1 \r\n 0 \r\n 99999999999 \r\n");
    writeData("option_key.000", "300 -5 40 90 38 65 32 67 13");
    const QStringList notes = load();
    EXPECT_EQ(notes.size(), 7) << notes.join('\n').toStdString();
    EXPECT_EQ(s.options.startLevel, 20);
    EXPECT_EQ(s.options.holdOpt, 0);
    EXPECT_EQ(s.options.quaOpt, 2);
    EXPECT_EQ(s.options.nextOpt, 1);
    EXPECT_EQ(s.options.clbOpt, 2);
    EXPECT_EQ(g.keyMl, 255);
    EXPECT_EQ(g.keyMr, 0);
}

TEST_F(SettingsFileTest, UnloadableShapeSetFallsBackToTheShippedOne) {
    copyAllShipped();
    writeData("option_style.000", "gone.kblox\r\nclassic.style\r\n");
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains("gone.kblox"));
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_NE(g.shapes(1, 0, 4), 0) << "the shipped shapes are loaded";
}

TEST_F(SettingsFileTest, UnloadableStyleFallsBackToTheShippedOne) {
    copyAllShipped();
    writeData("option_style.000", "centre.kblox\r\nbroken.style\r\n");
    badStyles = {"broken.style"};
    EXPECT_EQ(load().size(), 1);
    EXPECT_EQ(styleCalls, (std::vector<std::string>{"broken.style", "classic.style"}));
    EXPECT_EQ(s.styleFile, "classic.style");
}

TEST_F(SettingsFileTest, AFailingShippedStyleIsNotedOnce) {
    copyAllShipped();
    badStyles = {"classic.style"};
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith("The shipped style classic.style could not be loaded"));
    EXPECT_EQ(styleCalls, std::vector<std::string>{"classic.style"});
}

TEST_F(SettingsFileTest, NamesWithAFolderPartAreNotFollowed) {
    copyAllShipped();
    writeData("option_style.000", "../../centre.kblox\r\n/etc/passwd\r\n");
    EXPECT_EQ(load().size(), 2);
    EXPECT_EQ(styleCalls, std::vector<std::string>{"classic.style"});
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(s.styleFile, "classic.style");
}

TEST_F(SettingsFileTest, StyleLinesMayEndInLineFeedOnly) {
    copyAllShipped();
    copyShipped("top.kblox");
    writeData("option_style.000", "top.kblox\nclassic.style");
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(s.options.shapeFile, "top.kblox");
    EXPECT_EQ(s.styleFile, "classic.style");
}

TEST_F(SettingsFileTest, KeyNameFileLinesKeepTheirNumberAndLaterLinesWin) {
    copyAllShipped();
    writeData("keycode.000",
              "37 Left\r\n  65 A key\r\n37 Left arrow\r\n300 Too big\r\nno number\r\n"
              "-2 Negative\r\n38.6 Rounded\n\r\n");
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains("3 line"));
    EXPECT_EQ(s.keyNames[37], "37 Left arrow");
    EXPECT_EQ(s.keyNames[65], "  65 A key");
    EXPECT_EQ(s.keyNames[39], "38.6 Rounded");
    EXPECT_EQ(s.keyNames[38], "");
    EXPECT_EQ(s.keyNames[0], "") << "a line without a number names no key";
}

TEST_F(SettingsFileTest, WritingCreatesAMissingDataFolder) {
    ASSERT_TRUE(QDir(appDir + "/data").removeRecursively());
    EXPECT_EQ(writeSettings(g, s, appDir), QString());
    EXPECT_EQ(readData("option_key.000").count("\r\n"), 9);
}

TEST_F(SettingsFileTest, ReadOnlyFolderReportsAnErrorAndKeepsTheOldFiles) {
    copyAllShipped();
    const QString data = appDir + "/data";
    ASSERT_TRUE(QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner));
    const bool enforced = access(QFile::encodeName(data).constData(), W_OK) != 0;
    if (!enforced) {
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    }
    s.options.startLevel = 9;
    const QString err = writeSettings(g, s, appDir);
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(err.contains("option_game.000"));
    EXPECT_TRUE(err.contains("option_key.000"));
    EXPECT_EQ(readData("option_game.000"), shippedFile("option_game.000"));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReplacedIsReportedAndTheOthersAreWritten) {
    ASSERT_TRUE(QDir(appDir + "/data").mkdir("option_style.000"));
    s.options.startLevel = 4;
    const QString err = writeSettings(g, s, appDir);
    EXPECT_TRUE(err.contains("option_style.000"));
    EXPECT_FALSE(err.contains("option_game.000"));
    EXPECT_TRUE(readData("option_game.000").startsWith(" 4 \r\n"));
    EXPECT_EQ(readData("option_key.000").count("\r\n"), 9);
}

TEST_F(SettingsFileTest, DataFolderThatIsAFileIsReportedNotThrown) {
    ASSERT_TRUE(QDir(appDir + "/data").removeRecursively());
    QFile f(appDir + "/data");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(writeSettings(g, s, appDir).isEmpty());
}

// Hostile files: whatever they hold, start-up goes on with usable values and short notes.
TEST_F(SettingsFileTest, HugeJunkAndNulBytesGiveDefaultsWithShortNotes) {
    copyAllShipped();
    writeData("option_key.000", QByteArray(2 << 20, '7')); // over the size any settings file has
    QByteArray game("5\0 1 0 1 1 0 0", 14);                // "5" followed by a NUL byte
    writeData("option_game.000", game);
    QByteArray junk;
    for (int i = 0; i < 100000; ++i)
        junk += "-9 \x01\xff\r\n"; // 100 000 lines, none with a usable code
    writeData("keycode.000", junk);
    const QStringList notes = load();
    EXPECT_EQ(g.keyMl, kDefaultKeys.ml) << "an oversized file is not read";
    EXPECT_EQ(s.options.startLevel, 0) << "a number with a NUL byte inside is not a number";
    EXPECT_EQ(s.options.holdOpt, 1);
    EXPECT_LE(notes.size(), 4) << notes.join('\n').toStdString();
    for (const QString& note : notes)
        EXPECT_LT(note.size(), 200) << note.toStdString();
}

TEST_F(SettingsFileTest, HugeSavedNamesAreShortenedInTheNotes) {
    copyAllShipped();
    const std::string longName(100000, 'x');
    writeData("option_style.000", QByteArray::fromStdString(longName + "\r\n" + longName + "\r\n"));
    badStyles = {longName};
    const QStringList notes = load();
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(s.styleFile, "classic.style");
    ASSERT_EQ(notes.size(), 2) << notes.join('\n').left(1000).toStdString();
    for (const QString& note : notes)
        EXPECT_LT(note.size(), 400) << note.left(1000).toStdString();
}

TEST_F(SettingsFileTest, NotANumberNoteShowsTheDefaultEvenWithPercentSigns) {
    copyAllShipped();
    writeData("option_game.000", "%1%2 1 0 1 1 0 0");
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0], "option_game.000: the level \"%1%2\" is not a number; 0 is used.");
}

TEST_F(SettingsFileTest, FoldersWhereFilesBelongGiveDefaults) {
    copyShipped("centre.kblox");
    for (const char* name :
         {"option_game.000", "option_style.000", "option_key.000", "keycode.000"})
        ASSERT_TRUE(QDir(appDir + "/data").mkdir(QLatin1String(name)));
    const QStringList notes = load();
    EXPECT_EQ(notes.size(), 4);
    EXPECT_EQ(g.keyMl, kDefaultKeys.ml);
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
    EXPECT_EQ(s.keyNames[13], "13 Enter");
}

TEST_F(SettingsFileTest, ANamedPipeWhereAFileBelongsDoesNotBlockStartUp) {
    copyAllShipped();
    ASSERT_TRUE(QFile::remove(dataPath("keycode.000")));
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("keycode.000")).constData(), 0600), 0);
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith("keycode.000 could not be read"));
}

TEST_F(SettingsFileTest, APipeNamedAsTheShapeSetFallsBackWithoutWaiting) {
    copyAllShipped();
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("pipe.kblox")).constData(), 0600), 0);
    writeData("option_style.000", "pipe.kblox\r\nclassic.style\r\n");
    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains("pipe.kblox"));
    EXPECT_EQ(s.options.shapeFile, "centre.kblox");
}

TEST_F(SettingsFileTest, OddCharactersInNamesAndFoldersLoadAndWrite) {
    QTemporaryDir odd(QDir::tempPath() + QStringLiteral("/zem brik 'x' \"y\" \u00e9\u6f22-XXXXXX"));
    ASSERT_TRUE(odd.isValid());
    appDir = odd.path();
    ASSERT_TRUE(QDir(appDir).mkdir("data"));
    copyAllShipped();
    const QString oddSet = QStringLiteral("my 'set' \u00e9\u6f22.kblox");
    writeData(oddSet, shippedFile("top.kblox"));
    writeData("option_style.000", (oddSet + "\r\nclassic.style\r\n").toUtf8());
    EXPECT_TRUE(load().isEmpty());
    EXPECT_EQ(s.options.shapeFile, oddSet.toStdString());
    s.options.startLevel = 12;
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    Game again;
    Settings s2;
    EXPECT_TRUE(loadfile(again, s2, styleLoader(), appDir).isEmpty());
    EXPECT_EQ(s2.options.startLevel, 12);
    EXPECT_EQ(s2.options.shapeFile, oddSet.toStdString());
}

TEST_F(SettingsFileTest, WritingReplacesEachFileWholeInsteadOfRewritingIt) {
    copyAllShipped();
    // A second name for the old file: a rewrite in place would change what it shows.
    const QByteArray oldPath = QFile::encodeName(dataPath("option_game.000"));
    const QByteArray keptPath = QFile::encodeName(dataPath("kept.000"));
    ASSERT_EQ(link(oldPath.constData(), keptPath.constData()), 0);
    s.options.startLevel = 11;
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    EXPECT_EQ(readData("kept.000"), shippedFile("option_game.000"));
    EXPECT_TRUE(readData("option_game.000").startsWith(" 11 \r\n"));
    const QStringList left = QDir(appDir + "/data").entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList({"centre.kblox", "kept.000", "keycode.000", "option_game.000",
                                 "option_key.000", "option_style.000"}))
        << "no temporary file is left behind";
}

// option_more.000: written like option_game.000; lines added by later versions are optional.
TEST_F(SettingsFileTest, MoreSettingsWriteReadBackAndMissingLinesTakeTheirDefault) {
    const QString folder = appDir + "/data";
    Settings out;
    out.pauseOnFocusLoss = 0;
    out.clientWidth = 1280;
    out.clientHeight = 32767;
    out.fullScreen = 1;
    out.options.handling.delay = 20; // kept under classic handling
    out.maximized = 1;
    out.scaling = 1;
    ASSERT_EQ(writeMoreSettings(out, folder), QString());
    EXPECT_EQ(
        readData("option_more.000"),
        QByteArray(" 0 \r\n 1280 \r\n 32767 \r\n 1 \r\n 0 \r\n 0 \r\n 20 \r\n 2 \r\n 1 \r\n 0 "
                   "\r\n 1 \r\n 1 \r\n"));
    s.pauseOnFocusLoss = 1;
    EXPECT_TRUE(readMoreSettings(s, folder).isEmpty());
    EXPECT_EQ(s.pauseOnFocusLoss, 0);
    EXPECT_EQ(std::tuple(s.clientWidth, s.clientHeight, s.fullScreen), std::tuple(1280, 32767, 1));
    EXPECT_EQ(std::tuple(s.options.handling.delay, s.maximized, s.scaling), std::tuple(20, 1, 1));

    // No file (a player coming from an older version) or an empty one: defaults, no note.
    QFile::remove(dataPath("option_more.000"));
    EXPECT_TRUE(readMoreSettings(s, folder).isEmpty());
    EXPECT_EQ(s.pauseOnFocusLoss, 1);
    EXPECT_EQ(std::tuple(s.clientWidth, s.clientHeight, s.fullScreen), std::tuple(0, 0, 0));
    s.pauseOnFocusLoss = 0;
    writeData("option_more.000", "");
    EXPECT_TRUE(readMoreSettings(s, folder).isEmpty());
    EXPECT_EQ(s.pauseOnFocusLoss, 1);

    // The reading rules of option_game.000: any separator; later unknown lines are ignored.
    writeData("option_more.000", "0,640 480\n1\n0 0 10 2 1 0 0 0\n99\n");
    EXPECT_TRUE(readMoreSettings(s, folder).isEmpty());
    EXPECT_EQ(s.pauseOnFocusLoss, 0);
    EXPECT_EQ(std::tuple(s.clientWidth, s.clientHeight, s.fullScreen), std::tuple(640, 480, 1));
    // A size beyond the file's range is noted and taken at its limit; one below the window's
    // least is the window's business.
    writeData("option_more.000", "1\n40000\n-5\n2\n");
    EXPECT_EQ(readMoreSettings(s, folder).size(), 3);
    EXPECT_EQ(std::tuple(s.clientWidth, s.clientHeight, s.fullScreen), std::tuple(32767, 0, 1));
    writeData("option_more.000", " 7 \r\n");
    EXPECT_EQ(readMoreSettings(s, folder).size(), 1);
    EXPECT_EQ(s.pauseOnFocusLoss, 1);
    writeData("option_more.000", "yes\r\n");
    EXPECT_EQ(readMoreSettings(s, folder).size(), 1);
    EXPECT_EQ(s.pauseOnFocusLoss, 1);

    // Something that is not a file: a note, the default, and writing refuses to replace it.
    QFile::remove(dataPath("option_more.000"));
    ASSERT_TRUE(QDir(folder).mkdir("option_more.000"));
    s.pauseOnFocusLoss = 0;
    EXPECT_EQ(readMoreSettings(s, folder).size(), 1);
    EXPECT_EQ(s.pauseOnFocusLoss, 1);
    EXPECT_TRUE(writeMoreSettings(out, folder).contains("option_more.000"));
    EXPECT_TRUE(QFileInfo(dataPath("option_more.000")).isDir());
}

// Lines 5 to 9 name a mode and a handling: a number this version does not know gives Classic
// and the defaults, never the nearest choice; a good file's values reach the options and back.
TEST_F(SettingsFileTest, ModeAndHandlingLinesFallBackWhole) {
    const QString folder = appDir + "/data";
    const Handling custom{1, 0, 10, 0};
    struct Case {
        const char* lines; // lines 5 to 9
        Mode mode;
        Handling handling;
        int notes;
    };
    const Case cases[] = {
        {"1 1 0 10 0", Mode::Sprint, custom, 0},
        {"2 1 20 0 10", Mode::Ultra, {1, 20, 0, 10}, 0},
        {"", Mode::Classic, {}, 0},
        {"2", Mode::Ultra, {}, 0},
        {"3 1 0 10 0", Mode::Classic, custom, 1},
        {"-1 2 21 11 -1", Mode::Classic, {}, 5},
        {"1 1 0 10 99999", Mode::Sprint, {1, 0, 10, 1}, 1},
        {"1.4 1 nan 10 0", Mode::Sprint, {1, 10, 10, 0}, 1},
        {"65537 1 0 10 0", Mode::Classic, custom, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        writeData("option_more.000", QByteArray("1 0 0 0 ") + c.lines + "\r\n");
        s.options.mode = Mode::Ultra;
        s.options.handling = custom;
        EXPECT_EQ(readMoreSettings(s, folder).size(), c.notes);
        EXPECT_EQ(s.options.mode, c.mode);
        EXPECT_EQ(s.options.handling, c.handling);
    }
    s.options.mode = Mode::Sprint;
    s.options.handling = {1, 3, 0, 7};
    ASSERT_EQ(writeMoreSettings(s, folder), QString());
    EXPECT_TRUE(readData("option_more.000").contains(" 1 \r\n 1 \r\n 3 \r\n 0 \r\n 7 \r\n"));
}

TEST_F(SettingsFileTest, ShippedMoreSettingsAreTheDefaults) {
    copyShipped("option_more.000");
    s.pauseOnFocusLoss = 0;
    EXPECT_TRUE(readMoreSettings(s, appDir + "/data").isEmpty());
    EXPECT_EQ(moreFileText(s), shippedFile("option_more.000"));
    EXPECT_EQ(moreFileText(Settings{}), shippedFile("option_more.000"));
}

// Shut-down on a full disk: every write fails, every old file stays whole, each is named.
TEST_F(SettingsFileTest, FullDiskKeepsEveryOldFileAndNamesEachFailure) {
    FullDisk disk(QFile::encodeName(appDir + "/data").toStdString());
    copyAllShipped();
    load();
    if (!disk.fill()) GTEST_SKIP() << "neither a small file system nor a size limit here";
    s.options.startLevel = 7;
    const QString err = writeSettings(g, s, appDir);
    for (const char* name : {"option_game.000", "option_style.000", "option_key.000"}) {
        EXPECT_TRUE(err.contains(QLatin1String(name) + ": cannot write")) << err.toStdString();
        EXPECT_EQ(readData(QLatin1String(name)), shippedFile(name)) << name;
    }
    const QStringList left = QDir(appDir + "/data").entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left.size(), disk.mounted() ? 6 : 5) << left.join(' ').toStdString();
}

// Links in the data folder: one to a plain file is read and written through; one to a device,
// to nothing, or to a folder is reported once at start-up and then left exactly as it is.
TEST_F(SettingsFileTest, LinksAreFollowedOnlyToPlainFiles) {
    namespace fs = std::filesystem;
    copyAllShipped();
    const fs::path data = QFile::encodeName(appDir + "/data").toStdString();
    const fs::path mine = QFile::encodeName(dir.path() + "/mine").toStdString();
    fs::create_directory(mine);
    fs::rename(data / "option_key.000", mine / "keys");
    fs::create_symlink(mine / "keys", data / "option_key.000");
    fs::remove(data / "option_style.000");
    fs::create_symlink(mine / "elsewhere" / "style", data / "option_style.000");
    fs::remove(data / "option_game.000");
    const bool device = ::mknod((mine / "device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (device)
        fs::create_symlink(mine / "device", data / "option_game.000");
    else
        fs::create_directory_symlink(mine, data / "option_game.000");

    const QStringList notes = load();
    ASSERT_EQ(notes.size(), 2) << notes.join('\n').toStdString();
    EXPECT_TRUE(notes[0].startsWith("option_style.000 could not be read (it is a link to nothing)"))
        << notes[0].toStdString();
    EXPECT_TRUE(notes[1].contains(device ? "a link to a device" : "a link to a folder"))
        << notes[1].toStdString();
    EXPECT_TRUE(notes[1].contains("Nothing is written to it."));
    g.keyMl = 65;
    EXPECT_EQ(writeSettings(g, s, appDir), QString()) << "nothing changed in the two links";
    EXPECT_TRUE(fs::is_symlink(data / "option_key.000"));
    EXPECT_TRUE(readData("option_key.000").startsWith(" 65 \r\n"));
    EXPECT_FALSE(fs::exists(mine / "elsewhere"));
    EXPECT_TRUE(device ? fs::is_character_file(mine / "device") : fs::is_directory(mine));

    s.options.startLevel = 3; // a change the game file cannot take: reported, still not written
    const QString err = writeSettings(g, s, appDir);
    EXPECT_TRUE(err.contains("option_game.000: not written")) << err.toStdString();
    EXPECT_FALSE(err.contains("option_style.000")) << err.toStdString();
    EXPECT_TRUE(device ? fs::is_character_file(mine / "device") : fs::is_directory(mine));
}

// Files from other editors: a byte-order mark is skipped; UTF-16 is refused whole with one
// note and kept until the player changes a setting it holds.
TEST_F(SettingsFileTest, ByteOrderMarkIsSkippedAndUtf16IsKeptUntilChanged) {
    copyAllShipped();
    const QByteArray bom("\xEF\xBB\xBF");
    writeData("option_game.000", bom + " 7 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 2 \r\n");
    writeData("option_style.000", bom + "top.kblox\r\nclassic.style\r\n");
    writeData("keycode.000", bom + "37 Left\r\n");
    copyShipped("top.kblox");
    QByteArray utf16("\xFF\xFE");
    for (char c : QByteArray(" 65 \r\n 66 \r\n"))
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    writeData("option_key.000", utf16);

    QStringList notes = load();
    ASSERT_EQ(notes.size(), 1) << notes.join('\n').toStdString();
    EXPECT_TRUE(notes[0].startsWith("option_key.000 could not be read (it is UTF-16 text"));
    EXPECT_TRUE(notes[0].endsWith("It is left as it is unless a setting it holds is changed."));
    EXPECT_EQ(s.options.startLevel, 7);
    EXPECT_EQ(s.options.clbOpt, 2);
    EXPECT_EQ(s.options.shapeFile, "top.kblox");
    EXPECT_EQ(s.keyNames[37], "37 Left");
    EXPECT_EQ(g.keyMl, 37) << "the shipped keys stand in";
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    EXPECT_EQ(readData("option_key.000"), utf16);
    EXPECT_TRUE(readData("option_game.000").startsWith(" 7 \r\n")) << "written without the mark";

    g.keyMl = 65;
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    EXPECT_EQ(readData("option_key.000"), keyFileText(g));
}

// Names from systems that are not UTF-8 (Latin-1 here) load by their bytes and are written
// back byte for byte.
TEST_F(SettingsFileTest, NamesThatAreNotUtf8LoadAndAreWrittenBackByteForByte) {
    copyAllShipped();
    const std::string data = QFile::encodeName(appDir + "/data/").toStdString();
    std::ofstream(data + "sch\xF6n.kblox", std::ios::binary)
        << shippedFile("top.kblox").toStdString();
    const std::string names = "sch\xF6n.kblox\r\nbl\xE9 style.style\r\n";
    std::ofstream(data + "option_style.000", std::ios::binary) << names;
    EXPECT_TRUE(load().isEmpty());
    std::filesystem::remove(data + "sch\xF6n.kblox"); // Qt could not name it to remove the folder
    EXPECT_EQ(s.options.shapeFile, "sch\xF6n.kblox");
    EXPECT_EQ(styleCalls, std::vector<std::string>{"bl\xE9 style.style"});
    Game top;
    ASSERT_EQ(loadshapes(top, ZEMBRIK_SOURCE_DIR "/data/top.kblox"), "");
    emptyShapeZero(top);
    EXPECT_EQ(top.shapeCells, g.shapeCells);
    ASSERT_EQ(writeSettings(g, s, appDir), QString());
    EXPECT_EQ(readData("option_style.000").toStdString(), names);
}

} // namespace
} // namespace zembrik::test

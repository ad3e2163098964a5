// SPDX-License-Identifier: GPL-3.0-or-later
// Where files live: the portable/per-user decision, the first run reading the shipped files,
// the player's shape sets and styles beside the shipped ones, and folders that cannot be written.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "app/places.h"
#include "app/settings_dialog.h"
#include "app/settings_file.h"
#include "app_fixture.h"
#include "pieces/shape_file.h"
#include "render/style.h"

namespace zembrik::test {
namespace {

void put(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under a folder with its bytes, to show that nothing in it changed.
std::map<QString, QByteArray> snapshot(const QString& root) {
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = get(path);
    }
    return files;
}

bool root() {
    return ::geteuid() == 0;
}

// An installed tree under a temporary prefix (<prefix>/games is the program's folder, the
// shipped files in <prefix>/share/games/zembrik) and a fresh home with its XDG folders.
class PlacesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        prefix = tmp.path() + "/usr";
        appDir = prefix + "/games";
        shipped = prefix + "/share/games/zembrik";
        user = {tmp.path() + "/home/.config", tmp.path() + "/home/.local/share"};
        ASSERT_TRUE(QDir().mkpath(appDir));
        for (const char* name : {"option_game.000", "option_style.000", "option_key.000",
                                 "keycode.000", "centre.kblox", "top.kblox", "classic.style"})
            put(shipped + "/data/" + name, shippedFile(name));
        for (const QString& f : QDir(ZEMBRIK_SOURCE_DIR "/gfx").entryList({"classic_*.png"}))
            put(shipped + "/gfx/" + f, get(ZEMBRIK_SOURCE_DIR "/gfx/" + f));
    }
    Places installed() const { return findPlaces(appDir, user); }
    QString config(const char* name) const { return user.configHome + "/zembrik/" + name; }
    QString own(const QString& name) const { return user.dataHome + "/zembrik/" + name; }

    QTemporaryDir tmp;
    QString prefix, appDir, shipped;
    UserFolders user;
    Game g;
    Settings s;
    Style style;
};

TEST_F(PlacesTest, AWritableOwnDataFolderIsPortableAndAnythingElseIsPerUser) {
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/portable/data"));
    const Places portable = findPlaces(tmp.path() + "/portable", user);
    EXPECT_TRUE(portable.portable);
    EXPECT_EQ(portable.shipped, tmp.path() + "/portable");
    EXPECT_EQ(portable.modules, portable.shipped);
    EXPECT_EQ(portable.settings, tmp.path() + "/portable/data");
    EXPECT_EQ(portable.playerData, portable.settings);
    EXPECT_EQ(portable.playerFiles, portable.shipped);

    // No data/ beside the program: the installed layout, found from the program's folder.
    const Places p = installed();
    EXPECT_FALSE(p.portable);
    EXPECT_EQ(p.shipped, shipped);
    EXPECT_EQ(p.modules, prefix + "/lib/games/zembrik");
    EXPECT_EQ(p.settings, user.configHome + "/zembrik");
    EXPECT_EQ(p.playerData, user.dataHome + "/zembrik");
    EXPECT_EQ(p.playerFiles, p.playerData);

    // A data/ folder the player cannot write: read the shipped files there, keep settings apart.
    const QString readOnly = tmp.path() + "/readonly";
    ASSERT_TRUE(QDir().mkpath(readOnly + "/data"));
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly + "/data").constData(), 0555), 0);
    const Places ro = findPlaces(readOnly, user);
    ::chmod(QFile::encodeName(readOnly + "/data").constData(), 0755);
    if (root()) GTEST_SKIP() << "folder permissions do not bind root";
    EXPECT_FALSE(ro.portable);
    EXPECT_EQ(ro.shipped, readOnly);
    EXPECT_EQ(ro.modules, readOnly);
    EXPECT_EQ(ro.settings, user.configHome + "/zembrik");
}

TEST_F(PlacesTest, UserFoldersFollowTheXdgVariablesAndIgnoreRelativeOnes) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(tmp.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path() + "/cfg/"));
    qputenv("XDG_DATA_HOME", "relative/share");
    UserFolders u = userFolders();
    EXPECT_EQ(u.configHome, tmp.path() + "/cfg");
    EXPECT_EQ(u.dataHome, tmp.path() + "/.local/share");
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", "");
    u = userFolders();
    EXPECT_EQ(u.configHome, tmp.path() + "/.config");
    EXPECT_EQ(u.dataHome, tmp.path() + "/.local/share");
    qputenv("HOME", home);
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(PlacesTest, FirstRunReadsTheShippedFilesAndWritesOnlyThePlayersFolder) {
    const auto before = snapshot(prefix);
    const Places p = installed();
    const QStringList notes = loadfile(g, s, style, p);
    EXPECT_TRUE(notes.isEmpty()) << notes.join('\n').toStdString();
    EXPECT_EQ(g.keySt, 13);
    EXPECT_EQ(s.styleFile, "classic.style");
    EXPECT_FALSE(style.picBlox.isNull());
    EXPECT_FALSE(QFileInfo::exists(user.configHome)) << "nothing is created by reading";
    EXPECT_EQ(settingsWriteProblem(p), QString());

    s.options.startLevel = 12;
    g.keySt = 32;
    ASSERT_EQ(writeSettings(g, s, p), QString());
    EXPECT_EQ(get(config("option_game.000")).left(6), " 12 \r\n");
    EXPECT_EQ(get(config("option_style.000")), shippedFile("option_style.000"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(user.configHome + "/zembrik").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "only the player reads the folder";
    EXPECT_EQ(snapshot(prefix), before) << "nothing is written under the install prefix";

    // The next run reads the player's files; a file still missing comes from the shipped ones.
    QFile::remove(config("option_key.000"));
    Game next;
    Settings nextSettings;
    EXPECT_TRUE(loadfile(next, nextSettings, style, p).isEmpty());
    EXPECT_EQ(nextSettings.options.startLevel, 12);
    EXPECT_EQ(next.keySt, 13);
}

TEST_F(PlacesTest, ThePlayersShapeSetsAndStylesStandBesideAndOverTheShippedOnes) {
    // The player's centre.kblox (the shipped top set) wins over the shipped centre.kblox.
    put(own("data/centre.kblox"), shippedFile("top.kblox"));
    put(own("data/mine.kblox"), shippedFile("top.kblox"));
    // The player's style draws its blocks from the player's gfx/ and the rest from the shipped.
    QImage blocks(128, 64, QImage::Format_RGB32);
    blocks.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(QDir().mkpath(own("gfx")));
    ASSERT_TRUE(blocks.save(own("gfx/mine_blocks.png")));
    put(own("data/mine.style"), "mine_blocks.png\r\nclassic_blocks2.png\r\nclassic_floor.png\r\n"
                                "classic_wall.png\r\nclassic_spare.png\r\n");
    put(config("option_style.000"), "centre.kblox\r\nmine.style\r\n");

    const Places p = installed();
    {
        // The settings dialog lists each name once, the player's and the shipped ones together:
        // a shipped file by its plain name, the player's own (one of a shipped name too) by
        // its file name.
        SettingsDialog dialog(g, s, style, p, nullptr, nullptr);
        auto names = [](const QListWidget* list) {
            QStringList out;
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
            return out.join(' ').toStdString();
        };
        EXPECT_EQ(names(dialog.shapeList()), "centre.kblox mine.kblox Turning at the top");
        EXPECT_EQ(names(dialog.styleList()), "Classic mine.style");
    }

    const QStringList notes = loadfile(g, s, style, p);
    EXPECT_TRUE(notes.isEmpty()) << notes.join('\n').toStdString();
    Game top;
    ASSERT_EQ(loadshapes(top, (shipped + "/data/top.kblox").toStdString()), "");
    Game centre;
    ASSERT_EQ(loadshapes(centre, (shipped + "/data/centre.kblox").toStdString()), "");
    bool differ = false;
    for (int shape = 1; shape <= 7; ++shape)
        for (int state = 0; state < 4; ++state)
            for (int cell = 0; cell < 16; ++cell) {
                EXPECT_EQ(g.shapes(shape, state, cell), top.shapes(shape, state, cell));
                differ |= top.shapes(shape, state, cell) != centre.shapes(shape, state, cell);
            }
    EXPECT_TRUE(differ) << "the two shipped sets must differ for this test to mean anything";
    EXPECT_EQ(s.styleFile, "mine.style");
    EXPECT_EQ(style.picBlox.pixel(5, 5), qRgb(1, 2, 3));
    EXPECT_FALSE(style.picWall.isNull());

    // A player's style whose image is nowhere is refused and the style stays.
    put(own("data/broken.style"), "nothere.png\r\nb\r\nc\r\nd\r\ne\r\n");
    Settings other;
    put(config("option_style.000"), "mine.kblox\r\nbroken.style\r\n");
    const QStringList brokenNotes = loadfile(g, other, style, p);
    ASSERT_EQ(brokenNotes.size(), 1);
    EXPECT_TRUE(brokenNotes[0].contains("nothere.png"));
    EXPECT_EQ(other.styleFile, "classic.style");
    EXPECT_EQ(other.options.shapeFile, "mine.kblox");
}

// A player's data folder that cannot be looked at (a loop of links, a path too long) is read
// as a missing one: the shipped shape set and style, no note.
TEST_F(PlacesTest, APlayersFolderThatCannotBeLookedAtFallsBackToTheShippedFiles) {
    ASSERT_TRUE(QDir().mkpath(own("")));
    ASSERT_TRUE(QFile::link(own("loop"), own("data")));
    ASSERT_TRUE(QFile::link(own("data"), own("loop")));
    UserFolders longUser = user;
    longUser.dataHome = user.dataHome + "/" + QString(300, QLatin1Char('x'));
    for (const Places& p : {installed(), findPlaces(appDir, longUser)}) {
        Game fresh;
        const QStringList notes = loadfile(fresh, s, style, p);
        EXPECT_TRUE(notes.isEmpty()) << notes.join('\n').toStdString();
        EXPECT_EQ(p.dataPath("centre.kblox"), (shipped + "/data/centre.kblox").toStdString());
        Game centre;
        ASSERT_EQ(loadshapes(centre, (shipped + "/data/centre.kblox").toStdString()), "");
        emptyShapeZero(centre);
        EXPECT_EQ(fresh.shapeCells, centre.shapeCells);
        EXPECT_FALSE(style.picBlox.isNull());
    }
}

// Without HOME there is no player's folder: the shipped files are read, writing the settings
// is refused at start-up with the reason, and nothing is written anywhere (no relative path).
TEST_F(PlacesTest, WithoutAHomeFolderNothingIsKeptAndNothingIsWritten) {
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    const UserFolders none = userFolders();
    qputenv("HOME", home);
    EXPECT_EQ(none.configHome, QString());
    EXPECT_EQ(none.dataHome, QString());
    const Places p = findPlaces(appDir, none);
    EXPECT_EQ(p.recordsFile(), "");
    EXPECT_EQ(p.replaysFolder(), "");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    const auto before = snapshot(tmp.path());
    EXPECT_TRUE(loadfile(g, s, style, p).isEmpty());
    EXPECT_EQ(g.keySt, 13);
    EXPECT_TRUE(settingsWriteProblem(p).contains("HOME is not set"));
    EXPECT_FALSE(writeSettings(g, s, p).isEmpty());
    EXPECT_FALSE(writeMoreSettings(s, p.settings).isEmpty());
    EXPECT_EQ(snapshot(tmp.path()), before);
    QDir::setCurrent(cwd);

    // A settings folder whose path is too long is reported before anything is written.
    UserFolders longUser = user;
    longUser.configHome = user.configHome + "/" + QString(300, QLatin1Char('c'));
    EXPECT_TRUE(settingsWriteProblem(findPlaces(appDir, longUser)).contains("too long"));
}

TEST_F(PlacesTest, WriteProblemsAreFoundWithoutCreatingOrChangingAnything) {
    const QStringList names{"option_game.000", "option_key.000"};
    EXPECT_EQ(writeProblem(user.configHome + "/zembrik", names), QString())
        << "missing folders under a writable one can be made";
    EXPECT_FALSE(QFileInfo::exists(user.configHome));

    // A plain file where the folder should be: no user, root included, can create it.
    put(tmp.path() + "/file", "x");
    const QString blocked = writeProblem(tmp.path() + "/file/zembrik", names);
    EXPECT_TRUE(blocked.contains(tmp.path() + "/file")) << blocked.toStdString();
    EXPECT_FALSE(makePlayerFolder(tmp.path() + "/file/zembrik").isEmpty());
    EXPECT_EQ(get(tmp.path() + "/file"), "x");

    ASSERT_TRUE(QDir().mkpath(user.configHome + "/zembrik/option_key.000"));
    EXPECT_TRUE(writeProblem(user.configHome + "/zembrik", names).contains("not a plain file"));

    if (root()) GTEST_SKIP() << "file permissions do not bind root";
    put(config("option_game.000"), " 3 \r\n");
    QFile::remove(config("option_key.000"));
    ::rmdir(QFile::encodeName(config("option_key.000")).constData());
    ASSERT_EQ(::chmod(QFile::encodeName(config("option_game.000")).constData(), 0444), 0);
    EXPECT_TRUE(writeProblem(user.configHome + "/zembrik", names).contains("option_game.000"));
    ASSERT_EQ(::chmod(QFile::encodeName(user.configHome + "/zembrik").constData(), 0555), 0);
    EXPECT_FALSE(writeProblem(user.configHome + "/zembrik", names).isEmpty());
    ::chmod(QFile::encodeName(user.configHome + "/zembrik").constData(), 0755);
}

} // namespace
} // namespace zembrik::test

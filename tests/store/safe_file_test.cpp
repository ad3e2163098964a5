// SPDX-License-Identifier: GPL-3.0-or-later
// The safe writer: the old file survives every failure, links are followed only to plain files.
#include "store/file_jobs.h"
#include "store/safe_file.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "full_disk.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace zembrik {
namespace {

class SafeFileTest : public test::TempDirTest {
  protected:
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    static void put(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    // Names in the folder, so a test sees a temporary file that was left behind.
    static size_t entries(const std::string& d) {
        return static_cast<size_t>(std::distance(fs::directory_iterator(d), {}));
    }
};

TEST_F(SafeFileTest, WritesNewAndReplacesOldKeepingPermissions) {
    const std::string p = path("option_game.000");
    EXPECT_EQ(writeFileSafely(p, "one\r\n"), "");
    EXPECT_EQ(read(p), "one\r\n");
    ::chmod(p.c_str(), 0600);
    EXPECT_EQ(writeFileSafely(p, std::string(100000, 'x')), "");
    EXPECT_EQ(read(p), std::string(100000, 'x'));
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(entries(dir_), 1u);
}

TEST_F(SafeFileTest, LinkToPlainFileIsWrittenThroughAndStaysALink) {
    fs::create_directory(path("mine"));
    put(path("mine/keys"), "old");
    fs::create_symlink(path("mine/keys"), path("option_key.000"));
    EXPECT_EQ(pathKind(path("option_key.000")), PathKind::LinkToPlainFile);
    EXPECT_EQ(writeFileSafely(path("option_key.000"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(path("option_key.000")));
    EXPECT_EQ(read(path("mine/keys")), "new");
    EXPECT_EQ(entries(path("mine")), 1u);
}

TEST_F(SafeFileTest, LinksToAnythingElseAndNonFilesAreLeftAlone) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink(path("pipe"), path("to_pipe"));
    fs::create_symlink(path("elsewhere/missing"), path("dangling"));
    fs::create_symlink(path("loop"), path("loop"));
    fs::create_directory(path("folder"));
    fs::create_symlink(path("folder"), path("to_folder"));
    // A device node of our own (the null device's numbers), never one under /dev.
    const bool device = ::mknod(path("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (device) fs::create_symlink(path("device"), path("to_device"));
    std::vector<std::string> names = {"pipe", "to_pipe", "dangling", "loop", "folder", "to_folder"};
    if (device) names.insert(names.end(), {"device", "to_device"});
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(pathKind(path(name)), PathKind::Other);
        EXPECT_FALSE(isReadableFile(path(name)));
        const std::string err = writeFileSafely(path(name), "x");
        EXPECT_NE(err.find(path(name)), std::string::npos) << err;
        EXPECT_NE(err.find("not written"), std::string::npos) << err;
    }
    EXPECT_FALSE(fs::exists(path("elsewhere")));
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_TRUE(fs::is_directory(path("folder")));
    if (device) {
        EXPECT_TRUE(fs::is_character_file(path("device")));
    }
    EXPECT_EQ(entries(dir_), names.size());
}

TEST_F(SafeFileTest, ReadOnlyFileAndUnsearchableFolderAreLeftAlone) {
    put(path("kept"), "old");
    ::chmod(path("kept").c_str(), 0444);
    fs::create_directory(path("closed"));
    put(path("closed/file"), "old");
    ::chmod(path("closed").c_str(), 0);
    if (::access(path("kept").c_str(), W_OK) == 0)
        GTEST_SKIP() << "file permissions do not bind this user";
    EXPECT_NE(writeFileSafely(path("kept"), "new").find("read-only"), std::string::npos);
    EXPECT_EQ(read(path("kept")), "old");
    EXPECT_EQ(pathKind(path("closed/file")), PathKind::Other);
    EXPECT_NE(writeFileSafely(path("closed/file"), "new"), "");
    ::chmod(path("closed").c_str(), 0700);
    EXPECT_EQ(read(path("closed/file")), "old");
}

TEST_F(SafeFileTest, LongestNameStillGetsATemporaryFileBesideIt) {
    const std::string p = path(std::string(255, 'n'));
    EXPECT_EQ(writeFileSafely(p, "one"), "");
    EXPECT_EQ(writeFileSafely(p, "two"), "");
    EXPECT_EQ(read(p), "two");
    EXPECT_EQ(entries(dir_), 1u);
}

TEST_F(SafeFileTest, MissingFolderIsReportedNotCreated) {
    EXPECT_NE(writeFileSafely(path("no/such/file"), "x"), "");
    EXPECT_FALSE(fs::exists(path("no")));
}

TEST_F(SafeFileTest, PlayerFoldersAreMadePrivateWithTheirParents) {
    const mode_t mask = ::umask(022);
    EXPECT_EQ(makePlayerFolders(path("share/zembrik/replays")), "");
    EXPECT_EQ(makePlayerFolders(path("share/zembrik/replays")), "") << "already there";
    ::umask(mask);
    for (const char* made : {"share", "share/zembrik", "share/zembrik/replays"}) {
        struct stat st {};
        ASSERT_EQ(::stat(path(made).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }
    ::chmod(dir_.c_str(), 0755); // a folder that was there is left as it was
    EXPECT_EQ(makePlayerFolders(dir_ + "/"), "");
    struct stat st {};
    ASSERT_EQ(::stat(dir_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    put(path("file"), "x");
    EXPECT_EQ(makePlayerFolders(path("file/replays")),
              path("file") + ": cannot be made (" + std::strerror(ENOTDIR) + ")");
}

TEST_F(SafeFileTest, FullFileSystemKeepsTheOldFileWhole) {
    fs::create_directory(path("small"));
    test::FullDisk disk(path("small"));
    const std::string p = path("small/option_game.000");
    ASSERT_EQ(writeFileSafely(p, " 5 \r\n"), "");
    if (!disk.fill()) GTEST_SKIP() << "neither a small file system nor a size limit here";
    const std::string err = writeFileSafely(p, std::string(100000, 'x'));
    EXPECT_NE(err.find("option_game.000"), std::string::npos) << err;
    EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
    EXPECT_EQ(read(p), " 5 \r\n");
    EXPECT_EQ(entries(path("small")), disk.mounted() ? 2u : 1u) << "no temporary file is left";
}

TEST_F(SafeFileTest, WhatIsAtAPathIsSaidPlainly) {
    EXPECT_EQ(describePath(path("none")), "is missing");
    std::ofstream(path("file")) << "x";
    EXPECT_EQ(describePath(path("file") + "/below"), "is missing"); // ENOTDIR
    EXPECT_EQ(describePath(path("file")), "is a plain file");
    fs::create_symlink(path("file"), path("link"));
    EXPECT_EQ(describePath(path("link")), "is a link to a plain file");
    fs::create_symlink(path("none"), path("dangling"));
    EXPECT_EQ(describePath(path("dangling")), "is a link to nothing");
    // Any other failure is no "missing": here a name longer than a folder allows.
    EXPECT_EQ(describePath(path(std::string(300, 'n'))).rfind("cannot be looked at (", 0), 0u);
}

TEST(FileJobs, RunInOrderAndAreWaitedFor) {
    FileJobs jobs;
    std::vector<int> done; // only the jobs touch it until wait() returns
    for (int i = 0; i < 3; ++i)
        jobs.post([&done, i] { done.push_back(i); });
    jobs.wait();
    EXPECT_EQ(done, (std::vector<int>{0, 1, 2}));
    jobs.post([&done] { done.push_back(3); });
    jobs.wait(); // a second wait returns too: the first job's end was noted
    EXPECT_EQ(done.size(), 4u);
}

// A file-size limit (ulimit -f) is a failed write like a full disk: reported, the old file
// whole, no temporary file left, and the program goes on.
TEST_F(SafeFileTest, AFileSizeLimitIsAFailedWriteNotTheEnd) {
    const std::string file = dir_ + "/records.000";
    std::ofstream(file, std::ios::binary) << "old";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        ignoreFileSizeSignal();
        const struct rlimit limit = {1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string err = writeFileSafely(file, std::string(4096, 'x'));
        std::_Exit(err == file + ": cannot write (File too large)" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(read(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// Temporary files a killed program left: only those beside a file of ours, named as the safe
// writer names them, and older than a write under way could be, go.
TEST_F(SafeFileTest, StaleTemporaryFilesGoAtTheNextStart) {
    const auto make = [&](const std::string& name, std::time_t age) {
        std::ofstream(dir_ + "/" + name) << "x";
        const std::time_t t = std::time(nullptr) - age;
        const struct timeval tv[2] = {{t, 0}, {t, 0}};
        ::utimes((dir_ + "/" + name).c_str(), tv);
    };
    make("records.000", 3600);
    make("records.000.a1B2c3", 3600);     // stale: goes
    make("records.000.Zz9x0Q", 600);      // stale: goes
    make("records.000.q1w2e3", 5);        // another program writing now: stays
    make("notes.txt.a1B2c3", 3600);       // not beside a file of ours: stays
    make("records.000.a1B2c", 3600);      // not the writer's pattern: stays
    make("records.000.a1B2c3.bak", 3600); // stays
    fs::create_directory(dir_ + "/records.000.f0lder");
    const auto ours = [](std::string_view name) { return name == "records.000"; };
    EXPECT_EQ(removeStaleTemporaries(dir_, ours), 2);
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir_))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"records.000", "records.000.q1w2e3", "notes.txt.a1B2c3",
                                           "records.000.a1B2c", "records.000.a1B2c3.bak",
                                           "records.000.f0lder"}));
    EXPECT_EQ(removeStaleTemporaries(dir_ + "/missing", ours), 0);
}

} // namespace
} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture with a folder of its own under /tmp, and whole files read back as bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zembrik::test {

// dir_ is made fresh before each test and removed, with all it holds, after it.
class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zembrik-test-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
};

// Runs child(p) in `programs` forked processes at once, as separate instances of the game
// would; each returns how many of its writes failed, and every one must end with none.
template <class Child> void runInPrograms(int programs, Child child) {
    std::vector<pid_t> children;
    for (int p = 0; p < programs; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) std::_Exit(child(p));
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

} // namespace zembrik::test

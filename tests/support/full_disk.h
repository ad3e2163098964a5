// SPDX-License-Identifier: GPL-3.0-or-later
// A folder on a disk that can be filled up, for the tests of what writers do on a full disk.
#pragma once

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zembrik::test {

// Mounts a 64 KB tmpfs on an existing empty folder where the process may mount one; fill()
// then takes all its space. Where it may not, fill() forbids the process to make any file
// longer instead (a write then fails with "File too large"), which takes a writer through the
// same failure paths. Both end when this goes out of scope.
class FullDisk {
  public:
    explicit FullDisk(std::string folder) : folder_(std::move(folder)) {
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=65536") == 0;
    }
    ~FullDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &old_);
            std::signal(SIGXFSZ, oldSignal_);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // No write adds a byte from now on. The small file system gets a file named "filler".
    bool fill() {
        if (mounted_) {
            const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
            const char block[4096] = {};
            while (fd >= 0 && ::write(fd, block, sizeof block) > 0) {
            }
            const bool full = errno == ENOSPC;
            if (fd >= 0) ::close(fd);
            return full;
        }
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN); // else the first refused write ends us
        ::getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit none{0, old_.rlim_max};
        limited_ = ::setrlimit(RLIMIT_FSIZE, &none) == 0;
        if (!limited_) std::signal(SIGXFSZ, oldSignal_);
        return limited_;
    }
    // True for the real small file system (which hides what the folder held before).
    bool mounted() const { return mounted_; }

  private:
    std::string folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit old_{};
    void (*oldSignal_)(int) = SIG_DFL;
};

} // namespace zembrik::test

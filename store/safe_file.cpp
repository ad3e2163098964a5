// SPDX-License-Identifier: GPL-3.0-or-later
// The one safe writer of the player's files: temporary file, checked flush, rename.
#include "store/safe_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zembrik {

namespace {

std::string reason(const std::string& path, const char* what, int err) {
    return path + ": " + what + " (" + std::strerror(err) + ")";
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The permissions a new file gets from the process's file-creation mask, read without
// changing the mask (changing it would race with any other thread creating files).
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            const mode_t mask = static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
            return 0666 & ~mask;
        }
    }
    return 0644;
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) { // no progress and no error: never spin on it
            errno = EIO;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The temporary file's name pattern beside target. It keeps the target's name where that fits
// (so a file left by a power cut says what it was), within the longest name a folder allows.
std::string temporaryPattern(const std::string& target) {
    constexpr size_t kMaxName = 255 - 7; // room for ".XXXXXX"
    const size_t slash = target.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string base = target.substr(nameStart);
    if (base.size() > kMaxName) base.resize(kMaxName);
    return target.substr(0, nameStart) + base + ".XXXXXX";
}

} // namespace

std::string describePath(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return "is missing";
        return std::string("cannot be looked at (") + std::strerror(errno) + ")";
    }
    std::string link;
    if (S_ISLNK(st.st_mode)) {
        if (::stat(path.c_str(), &st) != 0)
            return errno == ELOOP ? "is a link that loops" : "is a link to nothing";
        link = "a link to ";
    }
    const char* kind = S_ISREG(st.st_mode)    ? "a plain file"
                       : S_ISDIR(st.st_mode)  ? "a folder"
                       : S_ISFIFO(st.st_mode) ? "a named pipe"
                       : S_ISSOCK(st.st_mode) ? "a socket"
                                              : "a device";
    return "is " + link + kind;
}

PathKind pathKind(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        // Only "nothing there" is missing; a folder that cannot be searched, a name too long
        // or a loop in the folders is something that can be neither read nor written.
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(st.st_mode)) return PathKind::PlainFile;
    if (!S_ISLNK(st.st_mode)) return PathKind::Other;
    // stat follows the whole chain; a dangling or looping link fails here.
    if (::stat(path.c_str(), &st) != 0) return PathKind::Other;
    return S_ISREG(st.st_mode) ? PathKind::LinkToPlainFile : PathKind::Other;
}

namespace {

// The safe writer. With `fresh`, only a missing file is written, and the name is taken with
// link(), which fails when another writer took it first (*taken is then set).
std::string writeSafely(const std::string& path, std::string_view bytes, bool fresh, bool* taken) {
    if (path.empty()) return "a file without a name cannot be written";
    if (fresh && pathKind(path) != PathKind::Missing) {
        *taken = true;
        return path + ": is there already";
    }
    std::string target = path;
    mode_t mode = 0;
    struct stat old {};
    bool replacing = false;
    switch (pathKind(path)) {
    case PathKind::Missing:
        mode = newFileMode();
        break;
    case PathKind::PlainFile:
    case PathKind::LinkToPlainFile: {
        const std::unique_ptr<char, decltype(&std::free)> resolved(
            ::realpath(path.c_str(), nullptr), &std::free);
        if (!resolved) return reason(path, "cannot follow the link", errno);
        target = resolved.get();
        if (::stat(target.c_str(), &old) != 0) return reason(path, "cannot be looked at", errno);
        // A file the player made read-only stays as it is, as an editor would leave it.
        if (::access(target.c_str(), W_OK) != 0)
            return reason(path, "is read-only, not written", errno);
        mode = old.st_mode & 0777;
        replacing = true;
        break;
    }
    case PathKind::Other:
        return path + ": not written, because it " + describePath(path) +
               " (only a plain file or a link to one is written)";
    }

    std::string tmp = temporaryPattern(target);
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return reason(path, "cannot create a temporary file beside it", errno);
    tmp.assign(name.data());

    auto fail = [&](const char* what) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return reason(path, what, err);
    };
    // Run as root for someone else's file, the new file keeps that owner; anyone else can only
    // make files of their own, so a refusal here changes nothing.
    if (replacing && ::geteuid() == 0) (void)!::fchown(fd, old.st_uid, old.st_gid);
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return fail("cannot write");
    }
    if (::close(fd) != 0) return fail("cannot write");
    if (fresh) {
        if (::link(tmp.c_str(), target.c_str()) == 0) {
            ::unlink(tmp.c_str());
        } else if (errno == EEXIST) {
            *taken = true;
            return fail("cannot be made");
        } else {
            // A file system without hard links: a rename, checked just before. The folder's
            // lock, held by every writer of new names, keeps the two steps together there.
            if (pathKind(target) != PathKind::Missing) {
                *taken = true;
                errno = EEXIST;
                return fail("cannot be made");
            }
            if (::rename(tmp.c_str(), target.c_str()) != 0) return fail("cannot be made");
        }
    } else if (::rename(tmp.c_str(), target.c_str()) != 0) {
        return fail("cannot replace");
    }

    // Make the rename itself last across a power cut; the new file is complete either way.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace

std::string writeFileSafely(const std::string& path, std::string_view bytes) {
    return writeSafely(path, bytes, false, nullptr);
}

NewFile writeNewFileSafely(const std::string& path, std::string_view bytes) {
    NewFile out;
    out.error = writeSafely(path, bytes, true, &out.taken);
    return out;
}

std::string makePlayerFolders(const std::string& folder) {
    if (folder.empty()) return {};
    // Each part in turn from the root, so every missing parent gets the same private mode
    // (a parent made by the system's default would be readable by everyone).
    for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        struct stat st {};
        if (!part.empty() && ::stat(part.c_str(), &st) != 0) {
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return reason(part, "cannot be made", errno);
            if (::stat(part.c_str(), &st) != 0) return reason(part, "cannot be made", errno);
        }
        if (!part.empty() && !S_ISDIR(st.st_mode)) return reason(part, "cannot be made", ENOTDIR);
        if (end == std::string::npos) return {};
    }
}

FolderLock::FolderLock(const std::string& folder) {
    if (folder.empty()) return;
    // The folder itself is locked, so no lock file is ever left in it.
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int r;
    while ((r = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (r != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_); // closing lets the lock go
}

void ignoreFileSizeSignal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

int removeStaleTemporaries(const std::string& folder,
                           const std::function<bool(std::string_view)>& ours) {
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) return 0;
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(d, &::closedir);
    // Older than any write under way: the writer renames its file within moments.
    const std::time_t before = std::time(nullptr) - 60;
    std::vector<std::string> stale;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        // <file name>.XXXXXX, the six letters and digits mkostemp chose.
        if (name.size() < 8 || name[name.size() - 7] != '.') continue;
        const std::string_view suffix = name.substr(name.size() - 6);
        if (!std::all_of(suffix.begin(), suffix.end(),
                         [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
            continue;
        if (!ours(name.substr(0, name.size() - 7))) continue;
        struct stat st {};
        const std::string path = folder + "/" + std::string(name);
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_mtime > before)
            continue;
        stale.push_back(path);
    }
    int removed = 0;
    for (const std::string& path : stale)
        removed += ::unlink(path.c_str()) == 0 ? 1 : 0;
    return removed;
}

} // namespace zembrik

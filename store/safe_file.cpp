// The one safe writer of the player's files: temporary file, checked flush, rename.
#include "store/safe_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
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
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

PathKind pathKind(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return PathKind::Missing;
    if (S_ISREG(st.st_mode)) return PathKind::PlainFile;
    if (!S_ISLNK(st.st_mode)) return PathKind::Other;
    // stat follows the whole chain; a dangling or looping link fails here.
    if (::stat(path.c_str(), &st) != 0) return PathKind::Other;
    return S_ISREG(st.st_mode) ? PathKind::LinkToPlainFile : PathKind::Other;
}

std::string writeFileSafely(const std::string& path, std::string_view bytes) {
    std::string target = path;
    mode_t mode = 0;
    switch (pathKind(path)) {
    case PathKind::Missing:
        mode = newFileMode();
        break;
    case PathKind::PlainFile:
    case PathKind::LinkToPlainFile: {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return reason(path, "cannot follow the link", errno);
        target = resolved;
        struct stat st {};
        if (::stat(target.c_str(), &st) != 0) return reason(path, "cannot read", errno);
        mode = st.st_mode & 07777;
        break;
    }
    case PathKind::Other:
        return path + ": not written, because it is not a plain file or a link to one";
    }

    std::string tmp = target + ".XXXXXX";
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
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return fail("cannot write");
    }
    if (::close(fd) != 0) return fail("cannot write");
    if (::rename(tmp.c_str(), target.c_str()) != 0) return fail("cannot replace");

    // Make the rename itself last across a power cut; the new file is complete either way.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace zembrik

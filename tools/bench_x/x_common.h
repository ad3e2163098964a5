// SPDX-License-Identifier: GPL-3.0-or-later
// What zembrik-xstart and zembrik-keylat share: xcb replies and starting the measured program.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace benchx {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
// An xcb reply or event: the caller owns it and frees it with free().
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

// Starts the program argv[0] with the arguments argv (ending in a null pointer) as a child
// whose standard output goes to /dev/null, so that its output never holds a caller's pipe open
// after the tool has returned. When the program cannot be run, the child writes `execFailed`
// with the reason to standard error and ends with 127. Returns the child's pid, or -1 when no
// process could be made.
inline pid_t startQuietly(char** argv, const char* execFailed) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) dup2(devNull, STDOUT_FILENO);
    execvp(argv[0], argv);
    std::perror(execFailed);
    _exit(127);
}

} // namespace benchx

// SPDX-License-Identifier: GPL-3.0-or-later
// Writing files on a thread of its own, so that a slow disk never holds up the game.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zembrik {

// Runs the jobs posted to it one after another, in their order, on one thread of its own.
// A job must not touch anything the posting thread still uses: give it its own copies.
class FileJobs {
  public:
    FileJobs();
    // Finishes every job posted, then ends the thread.
    ~FileJobs();
    FileJobs(const FileJobs&) = delete;
    FileJobs& operator=(const FileJobs&) = delete;

    void post(std::function<void()> job);
    // Returns once every job posted before has finished.
    void wait();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: it starts once everything above is ready
};

} // namespace zembrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The pass watch counts exactly the steps and frames a real frame loop runs, read back from the
// debug read-outs, with fast and slow frames, and stops the loop on the right pass.
#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "engine/frame_loop.h"
#include "pass_watch.h"

namespace zembrik {
namespace {

// A wait ends 0.3 ms after its deadline; a tick may take extra time.
struct FakeClock : Clock {
    int64_t now = 5'000'000'000;
    int64_t frequency() const override { return 1'000'000'000; }
    int64_t counter() override { return now; }
    uint32_t milliseconds() override { return static_cast<uint32_t>(now / 1'000'000); }
    int64_t millisecondsUntil(int64_t deadline) override {
        now = std::max(now, deadline + 300'000);
        return 0;
    }
};

// Writes the read-out into the label, as the game window does.
struct LabelHost : NullHost {
    QLabel* label;
    explicit LabelHost(QLabel* l) : label(l) {}
    void showDebugText(std::string_view text) override {
        label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
};

TEST(DueStepsOf, ReadsTheReadOutTheLoopWrites) {
    EXPECT_EQ(dueStepsOf(debugText(60, 60, 1, 3.1, 25)), 1);
    EXPECT_EQ(dueStepsOf(debugText(60, 20, 3, 45.0, 0)), 3);
    EXPECT_EQ(dueStepsOf(debugText(0, 0, 32767, 0, -1)), 32767);
    EXPECT_EQ(dueStepsOf("Debugger"), -1);
    EXPECT_EQ(dueStepsOf("SKIP-"), -1);
    EXPECT_EQ(dueStepsOf("SKIP--4"), -1);
    EXPECT_EQ(dueStepsOf(""), -1);
}

struct LoopRun {
    int64_t steps = 0, frames = 0; // what the loop really ran
    PassWatch* watch = nullptr;
};

// Runs a real frame loop for `seconds` with ticks that take `tickMs`, scheduled as the game
// schedules it; the deadline ends the game before the next pass, as a queued Esc would.
LoopRun runLoop(double seconds, int64_t tickMs, FakeClock& clock, PassWatch& watch, QLabel& label) {
    Game g;
    g.inGame = InGame::Playing;
    initTiming(g, watch);
    LabelHost host(&label);
    bool stop = false;
    LoopRun r;
    r.watch = &watch;
    watch.watch(&label, static_cast<int64_t>(seconds * 1e9), [&stop] { stop = true; });
    FrameLoop loop(g, watch, host, [&](int32_t steps) {
        r.steps += steps;
        ++r.frames;
        clock.now += tickMs * 1'000'000;
    });
    do {
        watch.millisecondsUntil(loop.wakeAt());
        if (stop) g.inGame = InGame::Menu;
    } while (loop.pass());
    watch.collect();
    return r;
}

TEST(PassWatch, CountsEveryStepAndFrameOfFastFrames) {
    QLabel label;
    FakeClock clock;
    PassWatch watch(clock);
    const LoopRun r = runLoop(10, 0, clock, watch, label);
    EXPECT_EQ(r.steps, 600);
    EXPECT_EQ(r.frames, 600);
    EXPECT_EQ(watch.steps(), r.steps);
    EXPECT_EQ(watch.frames(), r.frames);
    EXPECT_EQ(watch.unreadable(), 0);
    EXPECT_TRUE(watch.deadlineReached());
    EXPECT_NEAR(watch.elapsedSeconds(), 10.0, 0.02);
}

TEST(PassWatch, CountsStepsCaughtUpBySlowFrames) {
    QLabel label;
    FakeClock clock;
    PassWatch watch(clock);
    // 40 ms a frame: two or three steps per frame, and every step still runs.
    const LoopRun r = runLoop(10, 40, clock, watch, label);
    EXPECT_NEAR(static_cast<double>(r.steps), 600.0, 3.0);
    EXPECT_LT(r.frames, 300);
    EXPECT_EQ(watch.steps(), r.steps);
    EXPECT_EQ(watch.frames(), r.frames);
}

TEST(PassWatch, WatchingAgainStartsFromZero) {
    QLabel label;
    FakeClock clock;
    PassWatch watch(clock);
    runLoop(2, 0, clock, watch, label);
    const LoopRun r = runLoop(1, 0, clock, watch, label);
    EXPECT_EQ(r.steps, 60);
    EXPECT_EQ(watch.steps(), 60);
    EXPECT_EQ(watch.frames(), 60);
}

TEST(PassWatch, LoopThatEndsEarlyNeverReachesTheDeadline) {
    QLabel label;
    FakeClock clock;
    PassWatch watch(clock);
    Game g;
    g.inGame = InGame::Playing;
    initTiming(g, watch);
    LabelHost host(&label);
    watch.watch(&label, 1'000'000'000, [] {});
    FrameLoop loop(g, watch, host, [&](int32_t) { g.inGame = InGame::Menu; });
    do
        watch.millisecondsUntil(loop.wakeAt());
    while (loop.pass());
    watch.collect();
    EXPECT_FALSE(watch.deadlineReached());
    EXPECT_EQ(watch.steps(), 1);
    EXPECT_EQ(watch.frames(), 1);
}

} // namespace
} // namespace zembrik

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

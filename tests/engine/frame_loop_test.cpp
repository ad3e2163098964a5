// The frame loop's arithmetic against a fake clock: due steps, the kept fraction, stalls.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/frame_loop.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

// A 10 MHz counter and a millisecond clock that only move when told to.
struct FakeClock : Clock {
    int64_t counts = 1'000'000'000;
    uint32_t ms = 5000;
    int64_t sleepCounts = 10'000; // what one sleep advances the counter by (1 ms)
    int64_t frequency() const override { return 10'000'000; }
    int64_t counter() override { return counts; }
    uint32_t milliseconds() override { return ms; }
    void sleep1ms() override {
        counts += sleepCounts;
        ms += static_cast<uint32_t>(sleepCounts / 10'000);
    }
};

struct TextHost : NullHost {
    std::string text;
    void setDebugText(std::string_view t) override { text = t; }
};

class Loop : public ::testing::Test {
  protected:
    Loop() {
        initTiming(g, clock);
        g.inGame = -1;
        g.waitTicks = 25;
    }
    FrameLoop make() {
        return FrameLoop(g, clock, host, [this](int32_t steps) { calls.push_back(steps); });
    }
    Game g;
    FakeClock clock;
    TextHost host;
    std::vector<int32_t> calls;
};

} // namespace

TEST(DebugText, Format) {
    EXPECT_EQ(debugText(60, 60, 1, 3.1, 25), "GAME60, GRAPHIC=60, SKIP-0 RENDER03.1ms, dc=25");
    EXPECT_EQ(debugText(0, 0, 30, 123.45, -2), "GAME0, GRAPHIC=0, SKIP-29 RENDER123.5ms, dc=-2");
}

TEST_F(Loop, NoStepDueNoTick) {
    FrameLoop loop = make();
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(loop.pass()); // 16 ms < one step
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(loop.pass()); // 17 ms
    EXPECT_EQ(calls, std::vector<int32_t>{1});
}

TEST_F(Loop, ExactlyOneStepLengthIsDue) {
    clock.sleepCounts = 0;
    FrameLoop loop = make();
    const int64_t start = loop.stepOrigin();
    clock.counts += static_cast<int64_t>(std::llround(g.stepLen));
    loop.pass();
    EXPECT_EQ(calls, std::vector<int32_t>{1});
    EXPECT_EQ(loop.stepOrigin(), start + 10'000'000 / 60);
}

TEST_F(Loop, TwoAndAHalfStepsRunTwoAndKeepTheHalf) {
    clock.sleepCounts = 0;
    FrameLoop loop = make();
    const int64_t start = loop.stepOrigin();
    clock.counts += static_cast<int64_t>(2.5 * g.stepLen);
    loop.pass();
    EXPECT_EQ(calls, std::vector<int32_t>{2});
    EXPECT_EQ(loop.stepOrigin(), start + 2 * 10'000'000 / 60);
    clock.counts += static_cast<int64_t>(0.5 * g.stepLen) + 1;
    loop.pass();
    EXPECT_EQ(calls, (std::vector<int32_t>{2, 1}));
}

TEST_F(Loop, HalfSecondStallRunsThirtyStepsInOneCall) {
    FrameLoop loop = make();
    clock.counts += 5'000'000 - 10'000; // the sleep of the pass adds the last millisecond
    loop.pass();
    EXPECT_EQ(calls, std::vector<int32_t>{30});
    EXPECT_EQ(host.text, "GAME0, GRAPHIC=0, SKIP-29 RENDER00.0ms, dc=25");
}

TEST_F(Loop, SecondWindowAdvancesByOneThousandAfterAStall) {
    FrameLoop loop = make();
    const uint32_t start = loop.secondStart();
    for (int i = 0; i < 1000; ++i)
        loop.pass();
    EXPECT_EQ(loop.secondStart(), start + 1000);
    EXPECT_EQ(loop.stepsLastSecond(), 59); // 999 ms counted before the window closed
    EXPECT_EQ(loop.framesLastSecond(), 59);
    clock.ms += 4000; // a stall of four seconds on the millisecond clock
    clock.counts += 40'000'000;
    loop.pass();
    EXPECT_EQ(loop.secondStart(), start + 2000);
    loop.pass();
    EXPECT_EQ(loop.secondStart(), start + 3000);
    EXPECT_EQ(loop.stepsLastSecond(), 240);
    EXPECT_EQ(loop.framesLastSecond(), 1);
    loop.pass();
    loop.pass();
    EXPECT_EQ(loop.secondStart(), start + 5000);
    EXPECT_EQ(loop.stepsLastSecond(), 0);
}

TEST_F(Loop, MillisecondClockWrapKeepsTheWindow) {
    clock.ms = 0xFFFFFF00u;
    FrameLoop loop = make();
    for (int i = 0; i < 1000; ++i)
        loop.pass();
    EXPECT_EQ(loop.secondStart(), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(loop.stepsLastSecond(), 59);
}

TEST_F(Loop, AbsurdStallIsClampedToTheSixteenBitCount) {
    FrameLoop loop = make();
    clock.counts += 10'000'000LL * 3600; // an hour
    loop.pass();
    EXPECT_EQ(calls, std::vector<int32_t>{32767});
    loop.pass(); // the rest of the hour is dropped, not run later
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(Loop, EndsAtTheNextPassAfterTheGameEnds) {
    FrameLoop loop(g, clock, host, [this](int32_t) {
        g.inGame = 0;
        g.waitTicks = 7;
    });
    clock.counts += 1'000'000;
    EXPECT_TRUE(loop.pass());
    EXPECT_NE(host.text.find("dc=7"), std::string::npos); // the pass still finished
    EXPECT_FALSE(loop.pass());
    loop.run();
}

TEST_F(Loop, TimingReadFromTheClockWhenNotSetYet) {
    g.qpcFreq = 0;
    FrameLoop loop = make();
    EXPECT_EQ(g.qpcFreq, 10'000'000);
    clock.counts += 1'000'000;
    loop.pass();
    EXPECT_EQ(calls, std::vector<int32_t>{6});
}

TEST_F(Loop, NoDriftOverAMillionPasses) {
    std::mt19937 jitter(12345);
    std::uniform_int_distribution<int64_t> extra(0, 30'000);
    FrameLoop loop = make();
    const int64_t start = loop.stepOrigin();
    int64_t total = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        clock.counts += extra(jitter);
        loop.pass();
        if (!calls.empty()) {
            total += calls.back();
            calls.clear();
        }
    }
    // Exactly the whole steps in the elapsed time: nothing gained or lost.
    EXPECT_EQ(total, (clock.counts - start) * 60 / clock.frequency());
    EXPECT_LE(clock.counts - loop.stepOrigin(), static_cast<int64_t>(g.stepLen) + 1);
}

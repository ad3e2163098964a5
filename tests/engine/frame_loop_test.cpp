// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop's arithmetic against a fake clock: due steps, the kept fraction, stalls.
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/frame_loop.h"
#include "well_builder.h"

using namespace zembrik;
using namespace zembrik::test;

namespace {

// A 10 MHz counter with a millisecond clock read from it. The schedule's wait ends exactly at
// its deadline unless told to wake `late` counts after it or `early` counts before it.
struct FakeClock : Clock {
    static constexpr int64_t kStart = 1'000'000'000;
    int64_t counts = kStart;
    uint32_t msAtStart = 5000;
    int64_t late = 0, early = 0;
    int sleeps = 0;
    int64_t freq = 10'000'000;
    int64_t frequency() const override { return freq; }
    int64_t counter() override { return counts; }
    uint32_t milliseconds() override {
        return msAtStart + static_cast<uint32_t>((counts - kStart) / 10'000);
    }
    int64_t millisecondsUntil(int64_t deadline) override {
        ++sleeps;
        counts = std::max(counts, deadline - early + late);
        return 0;
    }
};

struct TextHost : NullHost {
    std::string text;
    bool wanted = true;
    void showDebugText(std::string_view t) override { text = t; }
    bool debugTextWanted() const override { return wanted; }
};

class Loop : public ::testing::Test {
  protected:
    Loop() {
        initTiming(g, clock);
        g.inGame = InGame::Playing;
        g.waitTicks = 25;
    }
    // One turn of the schedule: wait until the pass is due, then run it.
    bool pass(FrameLoop& loop) {
        clock.millisecondsUntil(loop.wakeAt());
        return loop.pass();
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

TEST_F(Loop, EachPassSleepsToTheFirstCountAtWhichTheNextStepIsDue) {
    FrameLoop loop = make();
    const int64_t start = clock.counts;
    EXPECT_EQ(loop.nextStepDue(), start + 166'667); // 10 MHz / 60, rounded up
    clock.early = 1; // one count short: nothing due, and the next pass sleeps again
    pass(loop);
    EXPECT_TRUE(calls.empty());
    clock.early = 0;
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{1});
    EXPECT_EQ(clock.counts, start + 166'667);
    // Three steps in three passes, each woken once: no wake-up that does nothing.
    for (int i = 0; i < 3; ++i)
        pass(loop);
    EXPECT_EQ(calls, (std::vector<int32_t>{1, 1, 1, 1}));
    EXPECT_EQ(clock.sleeps, 5);
    EXPECT_EQ(clock.counts, start + 666'667);
}

TEST_F(Loop, ExactlyOneStepLengthIsDue) {
    FrameLoop loop = make();
    const int64_t start = loop.stepOrigin();
    clock.counts += static_cast<int64_t>(std::llround(g.stepLen));
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{1});
    EXPECT_EQ(loop.stepOrigin(), start + 10'000'000 / 60);
}

TEST_F(Loop, TwoAndAHalfStepsRunTwoAndKeepTheHalf) {
    FrameLoop loop = make();
    const int64_t start = loop.stepOrigin();
    clock.counts += static_cast<int64_t>(2.5 * g.stepLen);
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{2});
    EXPECT_EQ(loop.stepOrigin(), start + 2 * 10'000'000 / 60);
    clock.counts += static_cast<int64_t>(0.5 * g.stepLen) + 1;
    pass(loop);
    EXPECT_EQ(calls, (std::vector<int32_t>{2, 1}));
}

TEST_F(Loop, HalfSecondStallRunsThirtyStepsInOneCall) {
    FrameLoop loop = make();
    clock.counts += 5'000'000;
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{30});
    EXPECT_EQ(host.text, "GAME0, GRAPHIC=0, SKIP-29 RENDER00.0ms, dc=25");
}

TEST_F(Loop, SecondWindowAdvancesByOneThousandAfterAStall) {
    FrameLoop loop = make();
    const uint32_t start = loop.secondStart();
    for (int i = 0; i < 60; ++i)
        pass(loop);
    EXPECT_EQ(loop.secondStart(), start + 1000);
    EXPECT_EQ(loop.stepsLastSecond(), 59); // the 60th step's pass closed the window first
    EXPECT_EQ(loop.framesLastSecond(), 59);
    clock.counts += 40'000'000; // a stall of four seconds
    pass(loop);
    EXPECT_EQ(loop.secondStart(), start + 2000);
    pass(loop);
    EXPECT_EQ(loop.secondStart(), start + 3000);
    EXPECT_EQ(loop.stepsLastSecond(), 240);
    EXPECT_EQ(loop.framesLastSecond(), 1);
    pass(loop);
    pass(loop);
    EXPECT_EQ(loop.secondStart(), start + 5000);
    EXPECT_EQ(loop.stepsLastSecond(), 1); // the window closed by the pass before
}

TEST_F(Loop, MillisecondClockWrapKeepsTheWindow) {
    clock.msAtStart = 0xFFFFFF00u;
    FrameLoop loop = make();
    for (int i = 0; i < 60; ++i)
        pass(loop);
    EXPECT_EQ(loop.secondStart(), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(loop.stepsLastSecond(), 59);
}

TEST_F(Loop, AbsurdStallIsClampedToTheSixteenBitCount) {
    FrameLoop loop = make();
    clock.counts += 10'000'000LL * 3600; // an hour
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{32767});
    pass(loop); // the rest of the hour is dropped, not run later
    EXPECT_EQ(calls, (std::vector<int32_t>{32767, 1}));
}

TEST_F(Loop, EndsAtTheNextPassAfterTheGameEnds) {
    FrameLoop loop(g, clock, host, [this](int32_t) {
        g.inGame = InGame::Menu;
        g.waitTicks = 7;
    });
    clock.counts += 1'000'000;
    EXPECT_TRUE(loop.pass());
    EXPECT_NE(host.text.find("dc=7"), std::string::npos); // the pass still finished
    EXPECT_FALSE(pass(loop));
}

TEST_F(Loop, TimingReadFromTheClockWhenNotSetYet) {
    g.qpcFreq = 0;
    FrameLoop loop = make();
    EXPECT_EQ(g.qpcFreq, 10'000'000);
    clock.counts += 1'000'000;
    pass(loop);
    EXPECT_EQ(calls, std::vector<int32_t>{6});
}

// Before every tick exactly the whole steps elapsed since the start (or since the counter
// last went back) have run: none lost, none run twice, none early. Wake-ups come late by up
// to 3 ms, some early, ticks sometimes stall and the counter sometimes jumps.
TEST_F(Loop, NoStepLostOrDoubledOverAMillionPasses) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int64_t> late(0, 30'000);
    std::uniform_int_distribution<int> event(0, 9999);
    int64_t origin = clock.counts; // where whole steps are counted from
    int64_t run = 0, passes = 0, wrong = 0, ticks = 0;
    bool stall = false;
    FrameLoop loop(g, clock, host, [&](int32_t steps) {
        run += steps;
        ++ticks;
        if (steps < 1 || run != (clock.counts - origin) * 60 / clock.frequency()) ++wrong;
        if (stall) clock.counts += 2'000'000; // a frame of 200 ms
    });
    for (; passes < 1'000'000 && wrong == 0; ++passes) {
        clock.late = late(rng);
        clock.early = event(rng) < 50 ? late(rng) + 1 : 0;
        stall = event(rng) < 20;
        const int e = event(rng);
        if (e == 0) clock.counts += 10'000'000LL * 7; // seven seconds ahead
        if (e == 1) {
            clock.counts -= 10'000'000; // a second back: counting restarts from there
            origin = clock.counts;
            run = 0;
        }
        pass(loop);
    }
    EXPECT_EQ(wrong, 0) << "after " << passes << " passes";
    EXPECT_GT(ticks, 990'000); // the early wake-ups alone pass without a tick
    clock.late = clock.early = 0;
    stall = false;
    pass(loop);
    EXPECT_EQ(run, (clock.counts - origin) * 60 / clock.frequency());
    EXPECT_GE(loop.nextStepDue() - clock.counts, 166'666); // the next step one step away
    EXPECT_LE(loop.nextStepDue() - clock.counts, 166'667);
}

TEST_F(Loop, CounterGoneBackRestartsTheStepsFromThere) {
    FrameLoop loop = make();
    pass(loop);
    clock.counts -= 10'000'000LL * 3600; // an hour back: no sleep of an hour follows
    const int64_t back = clock.counts;
    pass(loop);
    EXPECT_EQ(calls, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(clock.counts, back + 166'667);
}

TEST_F(Loop, RestartedStepsDoNotCatchUpTheTimeBefore) {
    FrameLoop loop = make();
    pass(loop);
    clock.counts += 10'000'000LL * 60; // a minute, e.g. paused
    loop.restartSteps();
    const int64_t resumed = clock.counts;
    pass(loop);
    EXPECT_EQ(calls, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(clock.counts, resumed + 166'667);
}

// A game ended between passes (Esc, the window closing) runs no further tick, however late
// its pass comes.
// The read-out is made only while the window shows it; the steps run the same either way.
TEST_F(Loop, TheReadOutIsWrittenOnlyWhileItIsWanted) {
    FrameLoop loop = make();
    host.wanted = false;
    pass(loop);
    EXPECT_EQ(host.text, "");
    host.wanted = true;
    pass(loop);
    EXPECT_EQ(host.text.rfind("GAME", 0), 0u) << host.text;
    EXPECT_EQ(calls, (std::vector<int32_t>{1, 1}));
}

TEST_F(Loop, AGameEndedBetweenPassesRunsNoFurtherTick) {
    FrameLoop loop = make();
    EXPECT_TRUE(pass(loop));
    g.inGame = InGame::Menu;
    clock.counts += 10'000'000;
    EXPECT_FALSE(loop.pass());
    EXPECT_EQ(calls, std::vector<int32_t>{1});
}

TEST_F(Loop, TheFirstStepIsDueAtTheStepLengthRoundedUp) {
    // 6000 counts a second make a step of exactly 100 counts; 6001 and 6059 just over 100.
    for (const auto& [freq, due] :
         {std::pair{6000, 100}, std::pair{6001, 101}, std::pair{6059, 101}}) {
        clock.freq = freq;
        g.qpcFreq = 0; // read again by the loop
        calls.clear();
        clock.sleeps = 0;
        FrameLoop loop = make();
        const int64_t start = clock.counts;
        EXPECT_EQ(loop.nextStepDue(), start + due) << freq;
        pass(loop);
        EXPECT_EQ(calls, std::vector<int32_t>{1}) << freq;
        EXPECT_EQ(clock.counts, start + due) << freq;
        EXPECT_EQ(clock.sleeps, 1) << freq;
    }
}

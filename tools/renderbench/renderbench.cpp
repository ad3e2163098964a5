// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-renderbench: time of one full frame (background, well surface, read-outs, delay bar)
// on a busy mid-game record, for each level band.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "core/levels.h"
#include "core/random.h"
#include "core/record.h"
#include "pieces/shape_file.h"
#include "render/rend.h"
#include "render/scale.h"
#include "render/style_file.h"

namespace {

using namespace zembrik;

// A game in full swing: a ragged stack eleven rows high, a T falling over it with its ghost,
// a held piece, three previews, ghost on.
Game busyGame(int16_t level) {
    Game g;
    const std::string err = loadshapes(g, std::string(ZEMBRIK_SOURCE_DIR) + "/data/centre.kblox");
    if (!err.empty()) throw std::runtime_error(err);
    emptyShapeZero(g);
    emptyWell(g);
    XorShiftRandom r(42);
    for (int y = 11; y < kWellH; ++y)
        for (int x = 0; x < kWellW; ++x)
            if (r.next() < 0.7f) g.field(x, y) = static_cast<int16_t>(r.next() * 16);
    g.curLevel = level;
    g.gameState = GameState::Falling;
    g.curBlox = 3;
    g.curX = 4;
    g.curY = 3;
    g.nextBlox = {1, 5, 7};
    g.holdBlox = 6;
    g.ghostOpt = g.holdOpt = g.nextOpt = 1;
    g.score = 123456.0f;
    g.lines = 87;
    g.levelCount = 42;
    return g;
}

// One rend. Whole (the default): every frame drawn as if it were the first, the whole
// background and the whole well surface; the frame figure of tools/bench. Steady: frame after
// frame of the same record, as while a piece hangs between two gravity steps, where only the
// moving outlines and the delay bar are drawn again.
void rendFrames(benchmark::State& state, bool whole) {
    Style style;
    const std::string err = loadstyle(style, ZEMBRIK_SOURCE_DIR, "classic.style");
    if (!err.empty()) {
        state.SkipWithError(err.c_str());
        return;
    }
    const Game g = busyGame(static_cast<int16_t>(state.range(0)));
    Background bg;
    XorShiftRandom rnd(7);
    for (int16_t k = 0; k < 10; ++k)
        resetbg(bg, rnd, k, g.curLevel);
    Frame frame;
    for (auto _ : state) {
        if (whole) frame.changeAll();
        rend(g, style, bg, rnd, 0, frame);
        benchmark::DoNotOptimize(frame.p2.constBits());
    }
}
void BM_Rend(benchmark::State& state) {
    rendFrames(state, true);
}
void BM_RendSteady(benchmark::State& state) {
    rendFrames(state, false);
}
BENCHMARK(BM_Rend)->Arg(5)->Arg(12)->Arg(17)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RendSteady)->Arg(5)->Arg(12)->Arg(17)->Arg(20)->Unit(benchmark::kMicrosecond);

// What scaling adds to showing one frame in a client area of the given size. The game window
// composes the 640 x 480 design the same way at every scale (straight into the window at 1x,
// into an image above that); above 1x it then writes each design pixel as a block straight into
// the window's image, which is the work timed here.
void BM_ScaledFrame(benchmark::State& state) {
    const QSize client(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const QSize design(kWindowW, kWindowH);
    QImage composed(design, QImage::Format_RGB32);
    XorShiftRandom rnd(3);
    for (int y = 0; y < design.height(); ++y)
        for (int x = 0; x < design.width(); ++x)
            composed.setPixel(x, y, 0xFF000000u | static_cast<uint32_t>(rnd.next() * 0xFFFFFF));
    QImage window(client, QImage::Format_RGB32);
    window.fill(Qt::black);
    const DesignPlacement at = placeDesign(client, design);
    for (auto _ : state) {
        scaleUp(composed, composed.rect(), at.scale, window, at.offset);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_ScaledFrame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

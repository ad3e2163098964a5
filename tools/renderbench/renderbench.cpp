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
    g.gameState = 2;
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

void BM_Rend(benchmark::State& state) {
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
        rend(g, style, bg, rnd, 0, frame);
        benchmark::DoNotOptimize(frame.p2.constBits());
    }
}
BENCHMARK(BM_Rend)->Arg(5)->Arg(12)->Arg(17)->Arg(20)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

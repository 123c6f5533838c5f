// Deflation and composition of a true Penrose patch: five thick shapes round
// a point deflated five times (1470 shapes) and six times (3975 shapes), and
// the generator's radius-20 patch.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "edit/Creation.h"
#include "rules/Deflation.h"
#include "rules/PenrosePatch.h"
#include "support/FakeShell.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

// The sun, deflated `times` times: its shapes.
std::vector<TileShape> deflatedSun(Tiling& t, int times) {
    t.shapeLast = -1;
    for (int a = 0; a < 10; a += 2) {
        computeCorners(t, {0.0, 0.0, kLargeShape, a, 1});
        t.shapes[++t.shapeLast] = {-t.cornerBuffer[0].x, -t.cornerBuffer[0].y, kLargeShape, a, 1};
    }
    deflateTiling(t, times);
    return {t.shapes, t.shapes + t.shapeLast + 1};
}

void load(Tiling& t, const std::vector<TileShape>& shapes) {
    t.shapeLast = static_cast<int>(shapes.size()) - 1;
    for (std::size_t i = 0; i < shapes.size(); ++i) t.shapes[i] = shapes[i];
}

// Times `step` on a fresh copy of `patch` per iteration; a refusal or a
// dropped shape spoils the run.
void timeStep(benchmark::State& state, Tiling& t, const std::vector<TileShape>& patch,
              DeflateResult (*step)(Tiling&)) {
    DeflateResult r;
    for (auto _ : state) {
        load(t, patch);
        r = step(t);
        benchmark::DoNotOptimize(t.contourLast);
    }
    state.counters["in"] = static_cast<double>(patch.size());
    state.counters["out"] = r.shapes;
    if (r.outcome != DeflateOutcome::Done || r.dropped != 0) state.SkipWithError("refused or dropped shapes");
}

DeflateResult deflateOnce(Tiling& t) { return deflateTiling(t); }

void BM_Deflate(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    timeStep(state, *t, deflatedSun(*t, static_cast<int>(state.range(0))), deflateOnce);
}
BENCHMARK(BM_Deflate)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_Compose(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    timeStep(state, *t, deflatedSun(*t, static_cast<int>(state.range(0))), composeTiling);
}
BENCHMARK(BM_Compose)->Arg(6)->Unit(benchmark::kMillisecond);

// The generator's own patch of radius 20 (1815 shapes) deflated once.
void BM_DeflatePenrosePatch20(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    generatePenrosePatch(*t, 20);
    timeStep(state, *t, {t->shapes, t->shapes + t->shapeLast + 1}, deflateOnce);
}
BENCHMARK(BM_DeflatePenrosePatch20)->Unit(benchmark::kMillisecond);

}  // namespace

// The Penrose patch at its largest radius: the crossings alone, then the
// whole generation with row ordering and the contour rebuilt, as the core
// function runs it.
#include <benchmark/benchmark.h>

#include "edit/Creation.h"
#include "rules/PenrosePatch.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

void BM_PenrosePatchFill50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    for (auto _ : state) {
        fillPenrosePatch(*t, kPenroseMaxRadius);
        benchmark::DoNotOptimize(t->shapes[t->shapeLast]);
    }
    state.counters["shapes"] = t->shapeCount();
}
BENCHMARK(BM_PenrosePatchFill50)->Unit(benchmark::kMillisecond);

void BM_PenrosePatchGenerate50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    for (auto _ : state) {
        generatePenrosePatch(*t, kPenroseMaxRadius);
        benchmark::DoNotOptimize(t->contourLast);
    }
    state.counters["shapes"] = t->shapeCount();
    state.counters["contour"] = t->contourCount();
    for (int i = 0; i <= t->shapeLast; ++i) {
        if (t->shapes[i].color != 1) state.SkipWithError("the contour rebuild refused a shape");
    }
}
BENCHMARK(BM_PenrosePatchGenerate50)->Unit(benchmark::kMillisecond);

}  // namespace

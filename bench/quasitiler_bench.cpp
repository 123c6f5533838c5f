// The quasitiler at its largest radius: the generation step alone, then
// generation, row ordering and contour recalculation together, as the
// command runs them (without the repaint).
#include <benchmark/benchmark.h>

#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "edit/OrderShapes.h"
#include "generate/Quasitiler.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

void BM_QuasitilerGenerate50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    for (auto _ : state) {
        generateQuasiTiling(*t, kQuasiMaxRadius);
        benchmark::DoNotOptimize(t->shapes[t->shapeLast]);
    }
    state.counters["shapes"] = t->shapeCount();
}
BENCHMARK(BM_QuasitilerGenerate50)->Unit(benchmark::kMillisecond);

void BM_QuasitilerGenerateOrderContour50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    bool clean = true;
    for (auto _ : state) {
        generateQuasiTiling(*t, kQuasiMaxRadius);
        orderShapes(*t, shell);
        clean = recalculateContour(*t, shell) && clean;
        // The double keeps every status refresh; drop them between runs.
        shell.statusHistory.clear();
        benchmark::DoNotOptimize(t->contourLast);
    }
    state.counters["shapes"] = t->shapeCount();
    state.counters["contour"] = t->contourCount();
    if (!clean) state.SkipWithError("contour recalculation refused a shape");
}
BENCHMARK(BM_QuasitilerGenerateOrderContour50)->Unit(benchmark::kMillisecond);

}  // namespace

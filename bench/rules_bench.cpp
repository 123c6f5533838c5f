// The matching rules on the quasitiler's largest patch (orient, check) and
// forcing a hole of 100 shapes back into a patch that forces nothing else.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "edit/Creation.h"
#include "rules/Check.h"
#include "rules/Force.h"
#include "rules/Orient.h"
#include "support/FakeShell.h"
#include "support/RulePatches.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

void BM_RulesOrientQuasitiler50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    test::quasitilerPatch(*t, kQuasiMaxRadius);
    int conflicts = 0;
    for (auto _ : state) {
        conflicts = orientShapes(*t).arrowConflicts;
        benchmark::DoNotOptimize(conflicts);
    }
    state.counters["shapes"] = t->shapeCount();
    state.counters["conflicts"] = conflicts;
}
BENCHMARK(BM_RulesOrientQuasitiler50)->Unit(benchmark::kMillisecond);

void BM_RulesCheckQuasitiler50(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    test::quasitilerPatch(*t, kQuasiMaxRadius);
    orientShapes(*t);
    RuleReport r;
    for (auto _ : state) {
        r = checkRules(*t);
        benchmark::DoNotOptimize(r.arrowConflicts);
    }
    state.counters["conflicts"] = r.arrowConflicts;
    state.counters["illegal"] = r.illegalVertices;
}
BENCHMARK(BM_RulesCheckQuasitiler50)->Unit(benchmark::kMillisecond);

// The star of five thick shapes deflated four times and forced (2310
// shapes); each run puts back the table and contour with the hole and forces.
void BM_RulesForceHole100(benchmark::State& state) {
    test::FakeShell shell;
    auto t = createTiling(shell);
    test::loadShapes(*t, test::deflate(test::starAround(*t, {4, 4, 4, 4, 4}, 0), 4));
    forceShapes(*t);
    std::vector<TileShape> all(t->shapes, t->shapes + t->shapeLast + 1);
    const Point2 c{all[all.size() / 3].x, all[all.size() / 3].y};
    std::stable_sort(all.begin(), all.end(), [c](const TileShape& a, const TileShape& b) {
        return std::hypot(a.x - c.x, a.y - c.y) < std::hypot(b.x - c.x, b.y - c.y);
    });
    test::loadShapes(*t, std::vector<TileShape>(all.begin() + 100, all.end()));
    const std::vector<TileShape> shapes(t->shapes, t->shapes + t->shapeLast + 1);
    const std::vector<ContourVertex> contour(t->contour, t->contour + t->contourLast + 1);
    int forced = 0;
    for (auto _ : state) {
        std::copy(shapes.begin(), shapes.end(), t->shapes);
        t->shapeLast = static_cast<int>(shapes.size()) - 1;
        std::copy(contour.begin(), contour.end(), t->contour);
        t->contourLast = static_cast<int>(contour.size()) - 1;
        forced = forceShapes(*t).forced;
        benchmark::DoNotOptimize(forced);
    }
    state.counters["shapes"] = static_cast<double>(shapes.size());
    state.counters["forced"] = forced;
    if (forced != 100) state.SkipWithError("the hole was not refilled");
}
BENCHMARK(BM_RulesForceHole100)->Unit(benchmark::kMillisecond);

}  // namespace

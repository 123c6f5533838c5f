// Contour recalculation of a large tiling: the indexed rebuild against the
// plain scan.
//
// The tiling is the 14,000 rhombs nearest the centre of a wheel deflated
// nine times, in row order. The rebuild must accept every one of them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "edit/OrderShapes.h"
#include "support/DeflatedTiling.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace {

// The `wanted` deflated rhombs nearest the centre, in row order.
void buildDeflatedTiling(rho::Tiling& t, rho::Shell& shell, int wanted) {
    const std::vector<rho::TileShape> shapes = rho::test::deflatedTiling(t, 9);
    if (static_cast<int>(shapes.size()) < wanted) {
        std::fprintf(stderr, "deflation made only %zu shapes\n", shapes.size());
        std::abort();
    }
    t.shapeLast = wanted - 1;
    std::copy(shapes.begin(), shapes.begin() + wanted, t.shapes);
    rho::orderShapes(t, shell);
}

// A shell that keeps nothing of the status refreshes, so that the figures
// are those of the rebuild itself.
class QuietShell : public rho::test::FakeShell {
public:
    void setStatusPanels(std::string_view, std::string_view, std::string_view) override { ++refreshCount; }
    void setProgressPosition(int position) override { progressPos = position; }
};

struct Fixture {
    QuietShell shell;
    std::unique_ptr<rho::Tiling> tiling;
    int contourPoints = 0;

    Fixture() {
        tiling = rho::createTiling(shell);
        buildDeflatedTiling(*tiling, shell, 14000);
        if (!rho::recalculateContour(*tiling, shell) || !shell.messages.empty()) {
            std::fprintf(stderr, "the deflated tiling did not rebuild cleanly\n");
            std::abort();
        }
        contourPoints = tiling->contourLast + 1;
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

template <bool (*Rebuild)(rho::Tiling&, rho::Shell&)>
void runRebuild(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        const bool clean = Rebuild(*f.tiling, f.shell);
        benchmark::DoNotOptimize(clean);
    }
    state.counters["shapes"] = f.tiling->shapeLast + 1;
    state.counters["contour"] = f.tiling->contourLast + 1;
}

void BM_RecalculateContour(benchmark::State& state) { runRebuild<rho::recalculateContour>(state); }
void BM_RecalculateContourLinear(benchmark::State& state) { runRebuild<rho::recalculateContourLinear>(state); }

BENCHMARK(BM_RecalculateContour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculateContourLinear)->Unit(benchmark::kMillisecond);

}  // namespace

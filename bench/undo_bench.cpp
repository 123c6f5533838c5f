// Undo and redo on the quasitiler's radius-50 patch (about 14,000 shapes):
// an attach recorded, undone and redone; "delete all" and "by angle" undone
// with the redraw into a 583x415 raster; the history's memory after 1,000
// attaches.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "edit/Creation.h"
#include "edit/Selection.h"
#include "edit/UndoCommands.h"
#include "generate/Colorize.h"
#include "generate/Quasitiler.h"
#include "render/RasterSurface.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

struct Patch {
    test::FakeShell shell;
    RasterSurface raster{583, 415};
    std::unique_ptr<Tiling> t = createTiling(shell);
    Patch() {
        shell.surface = &raster;
        runQuasitiler(*t, shell, 50);
        t->history.reset(*t);
    }
};

// Takes the last `n` shapes (the bottom rows) out of the tiling and returns
// them, last one first.
std::vector<TileShape> takeLast(Patch& p, int n) {
    std::vector<TileShape> taken;
    while (static_cast<int>(taken.size()) < n) {
        const TileShape s = p.t->shapes[p.t->shapeLast];
        if (!deleteShape(*p.t, p.shell, p.t->shapeLast)) break;
        taken.push_back(s);
    }
    p.t->history.reset(*p.t);
    return taken;
}

// The table change of an attach: the shape merged into the contour and
// appended, reported as one step. (By hand, attaching stops at 5,000
// shapes; the change is the same.)
bool attach(Tiling& t, const TileShape& s) {
    buildCornerRecords(t, s);
    if (mergeIntoContour(t) == 0) return false;
    t.shapes[++t.shapeLast] = s;
    documentChanged(t, "attach");
    return true;
}

void BM_AttachRecordUndoRedo(benchmark::State& state) {
    Patch p;
    const TileShape s = takeLast(p, 1).front();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        attach(*p.t, s);
        p.t->history.undo(*p.t);
        p.t->history.redo(*p.t);
        p.t->history.undo(*p.t);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["shapes"] = p.t->shapeCount() + 1;
}
BENCHMARK(BM_AttachRecordUndoRedo)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_AttachUndoRedoOnly(benchmark::State& state) {
    Patch p;
    const TileShape s = takeLast(p, 1).front();
    attach(*p.t, s);
    for (auto _ : state) {
        p.t->history.undo(*p.t);
        p.t->history.redo(*p.t);
    }
}
BENCHMARK(BM_AttachUndoRedoOnly)->Unit(benchmark::kMicrosecond);

// The undo of a command, redraw included; the command itself is not timed.
template <void (*Command)(Tiling&, Shell&)>
void BM_UndoOf(benchmark::State& state) {
    Patch p;
    for (auto _ : state) {
        Command(*p.t, p.shell);
        const auto start = std::chrono::steady_clock::now();
        undo1Click(*p.t, p.shell);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    p.t->history.reset(*p.t);
    Command(*p.t, p.shell);
    state.counters["stepKB"] = static_cast<double>(p.t->history.bytes()) / 1024.0;
    state.counters["shapes"] = p.t->shapeCount();
}
BENCHMARK(BM_UndoOf<all1Click>)->Name("BM_UndoDeleteAll")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoOf<byangle1Click>)->Name("BM_UndoByAngle")->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ThousandAttaches(benchmark::State& state) {
    Patch p;
    const std::vector<TileShape> taken = takeLast(p, 1000);
    // Every one of the 1,000 steps is kept for the measurement.
    p.t->history.setLimits(2000, History::kDefaultMaxBytes);
    std::size_t bytes = 0;
    int recorded = 0;
    for (auto _ : state) {
        recorded = 0;
        for (auto s = taken.rbegin(); s != taken.rend(); ++s) recorded += attach(*p.t, *s) ? 1 : 0;
        bytes = p.t->history.bytes();
        state.PauseTiming();
        state.counters["steps"] = static_cast<double>(p.t->history.stepCount());
        for (std::size_t k = 0; k < taken.size(); ++k) deleteShape(*p.t, p.shell, p.t->shapeLast);
        p.t->history.reset(*p.t);
        state.ResumeTiming();
    }
    state.counters["attaches"] = recorded;
    state.counters["historyKB"] = static_cast<double>(bytes) / 1024.0;
    state.counters["shadowKB"] = static_cast<double>(p.t->history.shadowBytes()) / 1024.0;
}
BENCHMARK(BM_ThousandAttaches)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

// The set editor's hot paths: snapping a position to the largest grid
// (61 x 61 lattice points), and the complete redraw that follows every
// move of a dragged point, with a full drawing of 50 twenty-point polygons.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>

#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "seteditor/EditorTools.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

struct EditorBench {
    test::FakeShell mainShell;
    test::FakeShell editorShell{800, 600};
    QImage image{800, 600, QImage::Format_RGB32};
    QtSurface surface{image};
    std::unique_ptr<Tiling> tiling = createTiling(mainShell);
    SetEditor e{*tiling, editorShell, mainShell};

    explicit EditorBench(int objects) {
        editorShell.surface = &surface;
        startSetEditor(e);
        e.gridUnit = 15;
        FormResize(e);
        for (int k = 0; k < objects; ++k) {
            SetObject& o = e.workingDrawing.objects[k];
            o.objectKind = 2;
            o.lastPoint = 19;
            o.fillColor = 0x102030u * static_cast<Color>(k % 8);
            for (int p = 0; p < 20; ++p)
                o.points[p] = {20 * std::cos(p * 0.6 + k), 30 * std::sin(p * 0.9 + k)};
        }
        e.workingDrawing.count = objects;
    }
};

void BM_SnapToLargestGrid(benchmark::State& state) {
    EditorBench b(0);
    double x = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(snapPoint(b.e, {x, 250.5}));
        x = x < 700 ? x + 1.7 : 100;
    }
}
BENCHMARK(BM_SnapToLargestGrid);

void BM_DragPointOverFullDrawing(benchmark::State& state) {
    EditorBench b(kSetDrawingObjects);
    b.e.dragging = true;
    int x = 200;
    for (auto _ : state) {
        FormMouseMove(b.e, x, 300);
        x = x < 600 ? x + 3 : 200;
    }
}
BENCHMARK(BM_DragPointOverFullDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

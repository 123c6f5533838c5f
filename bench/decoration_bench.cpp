// Full repaints of the radius-50 pentagrid patch drawn as a set of four
// lines per shape, in plain and in antialiased lines, beside the same patch
// drawn as plain shapes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "generate/Quasitiler.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

// The four lines joining the midpoints of a rhomb's edges, in its own frame.
void midpointSquare(SetDrawing& d, double s, double c) {
    const SetPoint corners[4] = {{-20 * s, -20 * c - 20}, {-20 * s, 20 - 20 * c}, {20 * s, 20 * c + 20}, {20 * s, 20 * c - 20}};
    SetPoint mid[4];
    for (int k = 0; k < 4; ++k)
        mid[k] = {(corners[k].x + corners[(k + 1) % 4].x) / 2, (corners[k].y + corners[(k + 1) % 4].y) / 2};
    d.count = 4;
    for (int k = 0; k < 4; ++k) {
        SetObject& o = d.objects[k];
        o.objectKind = 0;
        o.lastPoint = 1;
        o.lineColor = 0x000080;
        o.points[0] = mid[k];
        o.points[1] = mid[(k + 1) % 4];
    }
}

void BM_RedrawQuasitiler50Set(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "rho_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);

    QImage image(1920, 1080, QImage::Format_RGB32);
    QtSurface surface(image);
    test::FakeShell shell(1920, 1080);
    shell.surface = &surface;
    std::unique_ptr<Tiling> t = createTiling(shell);
    t->zoom = 0.25;
    t->viewOriginX = 960;
    t->viewOriginY = 540;
    applyView(*t);
    generateQuasiTiling(*t, 50);
    midpointSquare(t->set.small, 0.58778525229247312, 0.80901699437494745);  // sin, cos 36 degrees
    midpointSquare(t->set.large, 0.95105651629515357, 0.30901699437494745);  // sin, cos 72 degrees
    t->decoration = state.range(0) > 0 ? 1 : 0;
    t->antialiased = state.range(0) == 2 ? 1 : 0;
    for (auto _ : state) {
        redrawView(*t, shell);
        surface.flush();
    }
    state.counters["shapes"] = t->shapeCount();
}

}  // namespace

// Argument: 0 plain shapes, 1 the set in plain lines, 2 the set in antialiased lines.
BENCHMARK(BM_RedrawQuasitiler50Set)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

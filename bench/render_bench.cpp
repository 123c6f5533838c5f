// Full repaints of large tilings into a 1920x1080 QtSurface, beside a
// baseline that fills the same polygons with a bare QPainter loop.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <vector>

#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "generate/Quasitiler.h"
#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "rho_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication instance(argc, argv);
    return instance;
}

// n shapes in rows of 150, 50 world units apart in x and 44 in y, centred
// on the world origin; at zoom 0.25 up to 14,100 of them fit a 1920x1080 view.
void fillGrid(Tiling& t, int n) {
    const int columns = 150;
    const int rows = (n + columns - 1) / columns;
    for (int i = 0; i < n; ++i) {
        const int c = i % columns;
        const int r = i / columns;
        t.shapes[i] = TileShape{(c - columns / 2) * 50.0, (r - rows / 2) * 44.0, i % 3 == 0 ? 0 : 1, i % 10,
                                1 + i % 20};
    }
    t.shapeLast = n - 1;
}

struct Scene {
    QImage image{1920, 1080, QImage::Format_RGB32};
    QtSurface surface{image};
    test::FakeShell shell{1920, 1080};
    std::unique_ptr<Tiling> t;

    Scene(int shapes, double zoom) {
        app();
        shell.surface = &surface;
        t = createTiling(shell);
        fillGrid(*t, shapes);
        t->zoom = zoom;
        applyView(*t);
    }
};

void BM_RedrawView(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), state.range(1) / 100.0);
    for (auto _ : state) {
        redrawView(*scene.t, scene.shell);
        scene.surface.flush();
    }
    state.counters["shapes"] = static_cast<double>(state.range(0));
}

// The same polygons (computed once, outside the timing) filled and outlined
// with a bare QPainter.
void BM_BareQPainterBaseline(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), state.range(1) / 100.0);
    Tiling& t = *scene.t;
    std::vector<std::array<QPoint, 5>> polygons;
    std::vector<QColor> colors;
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& s = t.shapes[i];
        const ShapeTemplate& tpl = templateFor(t, s.kind);
        MatrixStack& ms = matrixStack();
        ms.pushMatrix();
        ms.translate(s.x, s.y, 0);
        ms.rotateZ(s.angle * 36.0);
        std::array<QPoint, 5> p;
        for (int k = 0; k < 4; ++k) {
            const Pixel px = worldToPixel(tpl.corners[k].x, tpl.corners[k].y);
            p[k] = QPoint(px.x, px.y);
        }
        p[4] = p[0];
        ms.popMatrix();
        polygons.push_back(p);
        colors.push_back(toQColor(t.palette[s.color]));
    }
    for (auto _ : state) {
        QPainter painter(&scene.image);
        painter.setPen(Qt::black);
        painter.setBrush(toQColor(t.palette[2]));
        painter.drawRect(0, 0, 1920, 1080);
        for (size_t i = 0; i < polygons.size(); ++i) {
            painter.setBrush(colors[i]);
            painter.drawPolygon(polygons[i].data(), 5);
        }
        painter.end();
    }
    state.counters["shapes"] = static_cast<double>(state.range(0));
}

// The pentagrid patch of radius 50 (13,956 shapes, about 4,900 x 4,700
// world units): at zoom 0.2 every shape lies in the window.
void BM_RedrawQuasitiler50(benchmark::State& state) {
    Scene scene(1, state.range(0) / 100.0);
    generateQuasiTiling(*scene.t, 50);
    for (auto _ : state) {
        redrawView(*scene.t, scene.shell);
        scene.surface.flush();
    }
    state.counters["shapes"] = scene.t->shapeCount();
}

}  // namespace

BENCHMARK(BM_RedrawQuasitiler50)->Arg(20)->Arg(25)->Unit(benchmark::kMillisecond);

// Arguments: shape count, zoom in hundredths.
BENCHMARK(BM_RedrawView)->Args({15000, 100})->Args({15000, 25})->Args({13956, 25})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareQPainterBaseline)
    ->Args({15000, 100})
    ->Args({15000, 25})
    ->Args({13956, 25})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

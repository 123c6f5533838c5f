// The bitmap export of a small box at an extreme zoom: 3,000 overlapping
// shapes whose edges run far beyond a 100 x 100 picture. The cost should
// follow the pixels shown, not the length of the edges.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "app/HeadlessShell.h"
#include "edit/Creation.h"
#include "io/Export.h"
#include "render/View.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

void BM_ExportExtremeZoom(benchmark::State& state) {
    HeadlessShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> near(-10.0, 10.0);
    for (int i = 0; i < 3000; ++i)
        t->shapes[i] = TileShape{near(rng), near(rng), i % 2, i % 10, 1 + i % 20};
    t->shapeLast = 2999;
    t->zoom = 10000.0;
    t->viewOriginX = 0;
    t->viewOriginY = 0;
    t->box = BoundingBox{0.0, 0.0, 0.01, 0.01};  // 100 x 100 pixels
    applyView(*t);
    const std::string path = (std::filesystem::temp_directory_path() / "rho-export-bench.bmp").string();
    for (auto _ : state) {
        if (renderBitmap(*t, shell, path) != BitmapResult::Written) state.SkipWithError("export refused");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportExtremeZoom)->Unit(benchmark::kMillisecond);

}  // namespace

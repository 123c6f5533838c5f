// Saving and opening the tiling file of a large tiling (14,000 shapes, 3,000
// contour points), each beside a baseline that writes and reads the same
// records with plain fprintf and fscanf.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "edit/Creation.h"
#include "io/TilingFile.h"
#include "render/NullSurface.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

constexpr int kBenchShapes = 14000;
constexpr int kBenchPoints = 3000;

struct FileBench {
    test::FakeShell shell;
    NullSurface surface;
    std::unique_ptr<Tiling> t = createTiling(shell);
    std::string path = "/tmp/rho_file_bench_" + std::to_string(::getpid()) + ".rho";

    // Shapes on a grid 40 units apart with seeded jitter, every kind, angle
    // and colour, some selected; contour points scattered over the same area.
    FileBench() {
        shell.surface = &surface;
        std::mt19937 rng(960905);
        std::uniform_real_distribution<double> jitter(-20.0, 20.0);
        for (int i = 0; i < kBenchShapes; ++i) {
            const int color = 1 + static_cast<int>(rng() % 20);
            t->shapes[i] = TileShape{(i % 120 - 60) * 40.0 + jitter(rng), (i / 120 - 58) * 40.0 + jitter(rng),
                                     static_cast<int>(rng() % 2), static_cast<int>(rng() % 10),
                                     rng() % 4 == 0 ? -color : color};
        }
        for (int i = 0; i < kBenchPoints; ++i) {
            ContourVertex& v = t->contour[i];
            for (int k = 0; k < kSectors; ++k) v.sectors[k] = static_cast<uint8_t>(rng() % 2);
            v.x = (i % 60 - 30) * 80.0 + jitter(rng);
            v.y = (i / 60 - 25) * 80.0 + jitter(rng);
        }
        t->shapeLast = kBenchShapes - 1;
        t->contourLast = kBenchPoints - 1;
    }
    ~FileBench() { std::remove(path.c_str()); }

    void forgetRecords() {
        shell.progressPositions.clear();
        shell.statusHistory.clear();
        shell.messages.clear();
    }
};

// The same file written with fprintf, as the C library writes it.
bool writeWithFprintf(const Tiling& t, const char* path) {
    FILE* f = std::fopen(path, "w+");
    if (!f) return false;
    std::fprintf(f, "%d\n", kTilingVersion);
    std::fprintf(f, "%d\n", t.shapeLast);
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& s = t.shapes[i];
        std::fprintf(f, "%lf %lf %d %d %d\n", s.x, s.y, s.kind, s.angle, s.color);
    }
    std::fprintf(f, "%d\n", t.contourLast);
    for (int i = 0; i <= t.contourLast; ++i) {
        const ContourVertex& v = t.contour[i];
        std::fprintf(f, "%lf %lf ", v.x, v.y);
        for (int k = 0; k < kSectorBytes; ++k) std::fprintf(f, "%d ", v.sectors[k]);
        std::fprintf(f, "\n");
    }
    return std::fclose(f) == 0;
}

bool readWithFscanf(Tiling& t, const char* path) {
    FILE* f = std::fopen(path, "r");
    if (!f) return false;
    int version = 0;
    bool ok = std::fscanf(f, "%d\n", &version) == 1 && version == kTilingVersion;
    ok = ok && std::fscanf(f, "%d\n", &t.shapeLast) == 1;
    for (int i = 0; ok && i <= t.shapeLast; ++i) {
        TileShape& s = t.shapes[i];
        ok = std::fscanf(f, "%lf %lf %d %d %d\n", &s.x, &s.y, &s.kind, &s.angle, &s.color) == 5;
    }
    ok = ok && std::fscanf(f, "%d\n", &t.contourLast) == 1;
    for (int i = 0; ok && i <= t.contourLast; ++i) {
        ContourVertex& v = t.contour[i];
        ok = std::fscanf(f, "%lf %lf ", &v.x, &v.y) == 2;
        for (int k = 0; ok && k < kSectorBytes; ++k) {
            int sector = 0;
            ok = std::fscanf(f, "%d ", &sector) == 1;
            v.sectors[k] = static_cast<uint8_t>(sector);
        }
    }
    std::fclose(f);
    return ok;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void BM_SaveTiling(benchmark::State& state) {
    FileBench b;
    for (auto _ : state) {
        if (!writeTiling(*b.t, b.shell, b.path)) state.SkipWithError("write failed");
        b.forgetRecords();
    }
    // The bytes must be exactly those that fprintf writes.
    const std::string ours = fileText(b.path);
    writeWithFprintf(*b.t, b.path.c_str());
    if (ours != fileText(b.path)) state.SkipWithError("text differs from fprintf's");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ours.size()));
}

void BM_SaveFprintfBaseline(benchmark::State& state) {
    FileBench b;
    for (auto _ : state)
        if (!writeWithFprintf(*b.t, b.path.c_str())) state.SkipWithError("write failed");
}

void BM_OpenTiling(benchmark::State& state) {
    FileBench b;
    writeWithFprintf(*b.t, b.path.c_str());
    for (auto _ : state) {
        if (!readTiling(*b.t, b.shell, b.path)) state.SkipWithError("read failed");
        b.forgetRecords();
    }
    if (b.t->shapeLast != kBenchShapes - 1 || b.t->contourLast != kBenchPoints - 1)
        state.SkipWithError("tables not restored");
}

// The file part of opening alone, without the status line, progress bar
// and redraw of readTiling: one read of the whole file, then the parse.
void BM_ReadAndParseFile(benchmark::State& state) {
    FileBench b;
    writeWithFprintf(*b.t, b.path.c_str());
    static TilingTables tables;
    std::string bytes(static_cast<std::size_t>(kMaxRealLength) * 4 * (kBenchShapes + kBenchPoints), '\0');
    for (auto _ : state) {
        FILE* f = std::fopen(b.path.c_str(), "rb");
        const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (!parseTilingText(std::string_view(bytes.data(), n), tables)) state.SkipWithError("parse failed");
    }
}

void BM_OpenFscanfBaseline(benchmark::State& state) {
    FileBench b;
    writeWithFprintf(*b.t, b.path.c_str());
    for (auto _ : state)
        if (!readWithFscanf(*b.t, b.path.c_str())) state.SkipWithError("read failed");
}

BENCHMARK(BM_SaveTiling)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFprintfBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTiling)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndParseFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFscanfBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

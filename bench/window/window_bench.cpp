// The editor window's speed: process start to the first painted window
// with a radius-50 patch named on the command line, one zoom-tool click on
// that patch at zoom 0.25 (zoom, view, full repaint, shown), and a flood
// fill of a 1920 x 1080 view's background.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/MainWindow.h"
#include "app/ViewWidget.h"
#include "edit/Creation.h"
#include "edit/QuietShell.h"
#include "generate/Quasitiler.h"
#include "gui/ScriptedModalUi.h"
#include "io/TilingFile.h"
#include "render/View.h"
#include "tiling/Tiling.h"

extern char** environ;

namespace {

using namespace rho;

QApplication& app() {
    static int argc = 1;
    static char name[] = "rho_window_bench";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication instance(argc, argv);
    return instance;
}

const std::string& patchFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "rho-bench-r50.rho").string();
        QuietShell quiet;
        auto t = createTiling(quiet);
        runQuasitiler(*t, quiet, 50);
        writeTiling(*t, quiet, file);
        return file;
    }();
    return path;
}

long long nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Starts the editor with RHO_FIRST_PAINT_EXIT set and returns the time from
// the spawn to the first paint it reports, in seconds (negative on failure).
double startToFirstPaint() {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string editor = RHO_EDITOR;
    std::string file = patchFile();
    char* argv[] = {editor.data(), file.data(), nullptr};
    std::vector<std::string> env = {"RHO_FIRST_PAINT_EXIT=1", "QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    const long long start = nowMicros();
    const int spawned = posix_spawn(&pid, editor.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    if (std::sscanf(text.c_str(), "first paint %lld", &painted) != 1) return -1;
    return static_cast<double>(painted - start) / 1e6;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    patchFile();
    for (auto _ : state) {
        const double seconds = startToFirstPaint();
        if (seconds < 0) {
            state.SkipWithError("the editor did not report its first paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

struct BigWindow {
    test::ScriptedModalUi ui;
    TForm1 window{ui};
    BigWindow() {
        window.show();
        window.resize(1920, 1080 + (window.height() - window.view().height()));
        QApplication::processEvents();
    }
    void press(Qt::MouseButton button, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), window.view().mapToGlobal(QPointF(at)), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(&window.view(), &event);
        window.view().repaint();
    }
};

void BM_ZoomToolClickOnRadius50(benchmark::State& state) {
    app();
    BigWindow w;
    Tiling& t = w.window.tiling();
    readTiling(t, w.window.shell(), patchFile());
    t.zoom = 0.25;
    applyView(t);
    t.tool = ToolMode::Zoom;
    const QPoint centre(w.window.view().width() / 2, w.window.view().height() / 2);
    bool in = true;
    for (auto _ : state) {
        // In and out by turns, so that the zoom stays near 0.25.
        w.press(in ? Qt::LeftButton : Qt::RightButton, centre);
        in = !in;
    }
    state.counters["shapes"] = t.shapeLast + 1;
    t.modified = 0;
}
BENCHMARK(BM_ZoomToolClickOnRadius50)->Unit(benchmark::kMillisecond);

void BM_FloodFillOfViewBackground(benchmark::State& state) {
    app();
    BigWindow w;
    Tiling& t = w.window.tiling();
    t.tool = ToolMode::Floodfill;
    int colour = 3;
    for (auto _ : state) {
        // Two colours by turns: every fill covers the whole background.
        t.currentColor = colour;
        w.press(Qt::LeftButton, QPoint(900, 500));
        colour = colour == 3 ? 4 : 3;
    }
    state.counters["pixels"] = w.window.view().width() * w.window.view().height();
}
BENCHMARK(BM_FloodFillOfViewBackground)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

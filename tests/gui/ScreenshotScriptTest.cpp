// scripts/make-screenshot run as the maintainer runs it, into a temporary
// folder: the picture has the layout's size, the palette's swatches beside
// the main window, and a patch coloured by angle in the window.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/MainWindow.h"
#include "app/QtSurface.h"
#include "app/Screenshot.h"
#include "gui/ScriptedModalUi.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using L = ScreenshotLayout;
// The palette's client area with its swatches uncovered.
constexpr int kPaletteWidth = 55, kPaletteHeight = 265;

int run(const std::string& command) {
    const int raw = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(ScreenshotScript, DrawsThePaletteBesideAPatchColouredByAngle) {
    const test::TempDir dir("screenshot-test");
    const std::string out = dir / "shot.png";
    ASSERT_EQ(run("bash " + std::string(RHO_SOURCE_DIR) + "/scripts/make-screenshot " + RHO_BINARY_DIR + " " + out), 0);
    const QImage shot = QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);

    const int mainX = L::kMargin + kPaletteWidth + L::kMargin;
    ASSERT_EQ(shot.size(), QSize(mainX + L::kWindowWidth + L::kMargin, L::kMargin + L::kWindowHeight + L::kMargin));
    EXPECT_EQ(shot.pixel(0, 0), L::kBackground);
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), L::kBackground);
    EXPECT_EQ(shot.pixel(mainX - 1, L::kMargin + 100), L::kFrame);
    EXPECT_EQ(shot.pixel(L::kMargin + 10, L::kMargin + L::kPaletteTop + kPaletteHeight), L::kFrame);

    // Every swatch shows its palette entry: the colorize tool is chosen.
    test::ScriptedModalUi ui;
    TForm1 fresh(ui);
    const Color* palette = fresh.tiling().palette;
    for (int i = 1; i <= 20; ++i) {
        const int x = L::kMargin + 1 + 24 * ((i - 1) / 10) + 11;
        const int y = L::kMargin + L::kPaletteTop + 104 + 16 * ((i - 1) % 10) + 7;
        EXPECT_EQ(shot.pixel(x, y), toQColor(palette[i]).rgb()) << "swatch " << i;
    }

    // The main window: each of the five greys "by angle" gives the
    // quasitiler's angle classes 0..4 covers a good part of it.
    std::map<QRgb, int> counts;
    for (int y = L::kMargin; y < L::kMargin + L::kWindowHeight; ++y)
        for (int x = mainX; x < mainX + L::kWindowWidth; ++x) ++counts[shot.pixel(x, y)];
    for (const int colour : {11, 13, 15, 17, 19})
        EXPECT_GT(counts[toQColor(palette[colour]).rgb()], L::kWindowWidth * L::kWindowHeight / 50) << colour;
    fresh.tiling().modified = 0;
}

TEST(ScreenshotScript, RefusesAMissingFileOrARadiusOutOfRange) {
    const test::TempDir dir("screenshot-usage");
    const std::string rho = "QT_QPA_PLATFORM=offscreen " + std::string(RHO_BINARY_DIR) + "/rho --screenshot";
    EXPECT_EQ(run(rho), 2);
    EXPECT_EQ(run(rho + " " + dir / "a.png 4"), 2);
    EXPECT_EQ(run(rho + " " + dir / "a.png 51"), 2);
    EXPECT_EQ(run(rho + " " + dir / "a.png twelve"), 2);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
    EXPECT_EQ(run(rho + " " + dir / "missing/a.png"), 1);
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "app/QtBitmap.h"
#include "app/QtSurface.h"
#include "io/Export.h"
#include "render/MatrixStack.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Geometry.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

namespace fs = std::filesystem;

// A shell whose bitmaps are real pixels.
class PixelShell : public test::FakeShell {
public:
    using FakeShell::FakeShell;
    std::unique_ptr<OffscreenBitmap> createBitmap(int w, int h) override {
        bitmapWidth = w;
        bitmapHeight = h;
        return std::make_unique<QtBitmap>(w, h);
    }
};

struct ExportPixelTest : ::testing::Test {
    QImage view{1200, 900, QImage::Format_RGB32};
    QtSurface surface{view};
    PixelShell shell{1200, 900};
    std::unique_ptr<Tiling> t;
    fs::path dir = fs::temp_directory_path() / ("rho-export-px-" + std::to_string(::getpid()));

    void SetUp() override {
        fs::create_directories(dir);
        shell.surface = &surface;
        t = createTiling(shell);
        // A field of rhombs of both kinds at every angle, some selected.
        std::mt19937 rng(11);
        int i = 0;
        for (int row = 0; row < 9; ++row)
            for (int col = 0; col < 12; ++col, ++i) {
                const int color = 1 + static_cast<int>(rng() % 20);
                t->shapes[i] = TileShape{40.0 + col * 45.0, 40.0 + row * 45.0, static_cast<int>(rng() % 2),
                                         static_cast<int>(rng() % 10), i % 7 == 0 ? -color : color};
            }
        t->shapeLast = i - 1;
    }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(ExportPixelTest, BitmapShowsTheViewPixelsOfTheBox) {
    t->viewOriginX = 150;
    t->viewOriginY = 120;
    t->zoom = 1;
    applyView(*t);
    redrawView(*t, shell);
    surface.flush();

    // The box holds every shape whole (a corner left of or above it would
    // truncate toward zero on the other side of the bitmap's edge), and starts
    // on a multiple of 8 pixels, so the hatch pattern, which is aligned to
    // each surface's own origin, lines up in both pictures.
    t->box = {-22, -24, 600, 480};
    const fs::path file = dir / "tile.bmp";
    ASSERT_TRUE(writeBitmap(*t, shell, file.string()));
    QImage saved(QString::fromStdString(file.string()));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.width(), 600);
    EXPECT_EQ(saved.height(), 480);
    const QImage expected = view.copy(128, 96, 600, 480).convertToFormat(QImage::Format_RGB32);
    const QImage actual = saved.convertToFormat(QImage::Format_RGB32);
    // The bitmap maps x to (view origin - X1) + x, the view to view origin + x:
    // the two sums can round apart in the last bit, and a corner then
    // truncates to the neighbouring pixel. So a pixel may differ only where
    // its colour stands right next to it in the other picture.
    auto inNeighbourhood = [](const QImage& img, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int px = x + dx, py = y + dy;
                if (img.valid(px, py) && img.pixel(px, py) == colour) return true;
            }
        return false;
    };
    int differing = 0, unexplained = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 600; ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            if (a == e) continue;
            ++differing;
            unexplained += !inNeighbourhood(expected, x, y, a) || !inNeighbourhood(actual, x, y, e);
        }
    EXPECT_LT(differing, 600 * 480 / 500);
    EXPECT_EQ(unexplained, 0);

    // At zoom 2 the picture doubles and still starts at world (box x, box y).
    t->zoom = 2;
    applyView(*t);
    t->box = {0, 0, 300, 200};
    ASSERT_TRUE(writeBitmap(*t, shell, file.string()));
    QImage twice(QString::fromStdString(file.string()));
    EXPECT_EQ(twice.width(), 600);
    EXPECT_EQ(twice.height(), 400);
}

TEST_F(ExportPixelTest, PostScriptRendersLikeTheViewMirrored) {
    if (std::system("gs --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "Ghostscript is not installed";
    const fs::path ps = dir / "tile.ps";
    ASSERT_TRUE(writePostScript(*t, shell, ps.string()));
    const fs::path png = dir / "tile.png";
    const std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r72 -g600x460 "
                                "-dGraphicsAlphaBits=1 -dTextAlphaBits=1 -o " +
                                png.string() + " " + ps.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    // PostScript's y axis points up the page: row r of the page shows
    // y = 460 - r, so mirrored row r shows y = r + 1 - a shift of one row.
    const QImage page = QImage(QString::fromStdString(png.string())).mirrored(false, true);
    ASSERT_EQ(page.width(), 600);

    // The view, at zoom 1 with world (0, 0) in the top-left corner, outlines only.
    QImage outlines(600, 460, QImage::Format_RGB32);
    outlines.fill(Qt::white);
    QtSurface out(outlines);
    t->viewOriginX = 0;
    t->viewOriginY = 0;
    t->zoom = 1;
    applyView(*t);
    for (int i = 0; i <= t->shapeLast; ++i) drawShapeBody(*t, out, t->shapes[i], kOutline);
    out.flush();

    auto dark = [](const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    auto nearDark = [&](const QImage& img, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= 0 && py >= 0 && px < img.width() && py < img.height() && dark(img, px, py)) return true;
            }
        return false;
    };
    // PostScript's mitred joins reach past the acute corners; pixels within
    // three pixels of a corner are not compared.
    std::vector<QPoint> corners;
    for (int i = 0; i <= t->shapeLast; ++i) {
        computeCorners(*t, t->shapes[i]);
        for (const Point2& c : t->cornerBuffer) corners.emplace_back(static_cast<int>(c.x), static_cast<int>(c.y));
    }
    auto nearCorner = [&](int x, int y) {
        for (const QPoint& c : corners)
            if (std::abs(c.x() - x) <= 3 && std::abs(c.y() - y) <= 3) return true;
        return false;
    };
    int inked = 0, unmatchedPage = 0, unmatchedView = 0;
    for (int y = 1; y < 459; ++y)
        for (int x = 1; x < 599; ++x) {
            if (dark(page, x, y)) {
                ++inked;
                unmatchedPage += !nearDark(outlines, x, y) && !nearCorner(x, y);
            }
            if (dark(outlines, x, y)) unmatchedView += !nearDark(page, x, y);
        }
    EXPECT_GT(inked, 5000);
    EXPECT_EQ(unmatchedPage, 0);
    EXPECT_EQ(unmatchedView, 0);
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <random>

#include "app/QtBitmap.h"
#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "geometry/Geometry.h"
#include "io/Export.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

// A shell whose bitmaps are real pixels.
class PixelShell : public test::FakeShell {
public:
    using FakeShell::FakeShell;
    std::unique_ptr<OffscreenBitmap> createBitmap(int w, int h) override { return std::make_unique<QtBitmap>(w, h); }
};

// True when `colour` is at (x, y) or one of its eight neighbours.
bool nearby(const QImage& img, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

struct ExportPixelTest : ::testing::Test {
    QImage view{1200, 900, QImage::Format_RGB32};
    QtSurface surface{view};
    PixelShell shell{1200, 900};
    std::unique_ptr<Tiling> t;
    test::TempDir dir{"rho-export-px"};

    void SetUp() override {
        shell.surface = &surface;
        t = createTiling(shell);
        std::mt19937 rng(11);  // rhombs of both kinds at every angle, some selected
        for (int i = 0; i < 108; ++i) {
            const int color = 1 + static_cast<int>(rng() % 20);
            t->shapes[i] = TileShape{40.0 + (i % 12) * 45.0, 40.0 + (i / 12) * 45.0, static_cast<int>(rng() % 2),
                                     static_cast<int>(rng() % 10), i % 7 == 0 ? -color : color};
        }
        t->shapeLast = 107;
    }
};

TEST_F(ExportPixelTest, BitmapShowsTheViewPixelsOfTheBox) {
    t->viewOriginX = 150;
    t->viewOriginY = 120;
    applyView(*t);
    redrawView(*t, shell);
    surface.flush();
    // The box holds every shape whole and starts on a multiple of 8 pixels,
    // so the hatch pattern (aligned to each surface's origin) lines up.
    t->box = {-22, -24, 600, 480};
    const std::string file = dir / "tile.bmp";
    ASSERT_TRUE(writeBitmap(*t, shell, file));
    const QImage saved = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(600, 480));
    const QImage expected = view.copy(128, 96, 600, 480);
    // The bitmap maps x to (origin - X1) + x, the view to origin + x; the
    // sums can round apart in the last bit and a corner then truncates to
    // the next pixel. So a pixel may differ only where its colour stands
    // right next to it in the other picture.
    int differing = 0, unexplained = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 600; ++x) {
            const QRgb a = saved.pixel(x, y), e = expected.pixel(x, y);
            if (a == e) continue;
            ++differing;
            unexplained += !nearby(expected, x, y, a) || !nearby(saved, x, y, e);
        }
    EXPECT_LT(differing, 600 * 480 / 500);
    EXPECT_EQ(unexplained, 0);
}

TEST_F(ExportPixelTest, PostScriptRendersLikeTheViewMirrored) {
    if (std::system("gs --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "Ghostscript is not installed";
    const std::string ps = dir / "tile.ps", png = dir / "tile.png";
    ASSERT_TRUE(writePostScript(*t, shell, ps));
    const std::string gs = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r72 -g600x460 -dGraphicsAlphaBits=1 -o " +
                           png + " " + ps;
    ASSERT_EQ(std::system(gs.c_str()), 0);
    // PostScript's y axis points up the page: mirrored, the page is the view.
    const QImage page = QImage(QString::fromStdString(png)).mirrored(false, true).convertToFormat(QImage::Format_RGB32);

    QImage outlines(600, 460, QImage::Format_RGB32);
    outlines.fill(Qt::white);
    QtSurface out(outlines);
    t->viewOriginX = t->viewOriginY = 0;
    applyView(*t);
    std::vector<QPoint> corners;
    for (int i = 0; i <= t->shapeLast; ++i) {
        drawShapeBody(*t, out, t->shapes[i], kOutline);
        computeCorners(*t, t->shapes[i]);
        for (const Point2& c : t->cornerBuffer) corners.emplace_back(static_cast<int>(c.x), static_cast<int>(c.y));
    }
    out.flush();
    // Mitred joins reach past acute corners: pixels within 3 of a corner are not compared.
    auto nearCorner = [&](int x, int y) {
        for (const QPoint& c : corners)
            if (std::abs(c.x() - x) <= 3 && std::abs(c.y() - y) <= 3) return true;
        return false;
    };
    const QRgb black = qRgb(0, 0, 0);
    int inked = 0, unmatched = 0;
    for (int y = 1; y < 459; ++y)
        for (int x = 1; x < 599; ++x) {
            const bool onPage = qGray(page.pixel(x, y)) < 128, inView = outlines.pixel(x, y) == black;
            inked += onPage;
            if (onPage && !nearCorner(x, y)) unmatched += !nearby(outlines, x, y, black);
            if (inView) unmatched += !nearby(page, x, y, black);
        }
    EXPECT_GT(inked, 5000);
    EXPECT_EQ(unmatched, 0);
}

}  // namespace
}  // namespace rho

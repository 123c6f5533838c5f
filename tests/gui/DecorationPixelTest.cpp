// Decorations on real pixels: the antialiased line and its stamp, the plain
// path's end pixels and modes, and previews and erasures that leave the
// window as it was.
#include <gtest/gtest.h>

#include <QImage>

#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "render/Decoration.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

constexpr Color kWhite = 0xffffff, kRed = 0x0000ff, kGrey200 = 0xc8c8c8, kBlue = 0xff0000;

SetObject object(int kind, std::initializer_list<SetPoint> points, Color line, Color fill = 0x00ff00) {
    SetObject o;
    o.objectKind = kind;
    o.lastPoint = static_cast<int>(points.size()) - 1;
    o.lineColor = line;
    o.fillColor = fill;
    int k = 0;
    for (const SetPoint& p : points) o.points[k++] = p;
    return o;
}

struct DecorationPixelTest : ::testing::Test {
    QImage image{600, 400, QImage::Format_RGB32};
    QtSurface surface{image};
    test::FakeShell shell{600, 400};
    std::unique_ptr<Tiling> t;
    void SetUp() override {
        image.fill(Qt::white);
        shell.surface = &surface;
        t = createTiling(shell);
        t->viewOriginX = 100;  // world (0, 0) at pixel (100, 100), zoom 1
        t->viewOriginY = 100;
        applyView(*t);
        t->decoration = 1;
    }
    QImage snapshot() {
        surface.flush();
        return image.copy();
    }
    void add(SetDrawing& d, const SetObject& o) { d.objects[d.count++] = o; }
    // One large shape at the origin, drawn by a full repaint.
    void repaintOneShape(int angle = 0) {
        t->shapes[0] = TileShape{0, 0, kLargeShape, angle, 5};
        t->shapeLast = 0;
        redrawView(*t, shell);
    }
};

TEST_F(DecorationPixelTest, AntialiasedLineDarkensAroundItsDots) {
    drawAntialiasedLine(surface, 10.0, 10.0, 20.0, 10.0);
    const std::pair<int, Color> column15[] = {{8, kWhite}, {9, kGrey200}, {10, 0}, {11, kGrey200}, {12, kWhite}};
    for (const auto& [y, c] : column15) EXPECT_EQ(surface.pixel(15, y), c) << y;
    // The dots run from x 10 to x 20, both ends included.
    const std::pair<int, Color> row10[] = {{8, kWhite}, {9, kGrey200}, {10, 0}, {20, 0}, {21, kGrey200}, {22, kWhite}};
    for (const auto& [x, c] : row10) EXPECT_EQ(surface.pixel(x, 10), c) << x;
    // Half a pixel off the line: 200 x 0.5.
    drawAntialiasedLine(surface, 30.0, 40.5, 40.0, 40.5);
    EXPECT_EQ(surface.pixel(35, 40), 0x646464u);
}

TEST_F(DecorationPixelTest, AntialiasedLineKeepsSaturatedColoursAndNeedsAnEndInside) {
    image.fill(QColor(255, 0, 0));
    drawAntialiasedLine(surface, 10.0, 10.0, 20.0, 10.0);
    for (int y = 8; y <= 12; ++y)
        for (int x = 8; x <= 22; ++x) EXPECT_EQ(surface.pixel(x, y), kRed) << x << "," << y;

    image.fill(Qt::white);
    const QImage white = snapshot();
    drawAntialiasedLine(surface, 30.0, 30.0, 30.0, 30.0);  // length 0
    drawAntialiasedLine(surface, -50.0, -50.0, 5000.0, 5000.0);
    EXPECT_EQ(snapshot(), white);

    drawAntialiasedLine(surface, -50.0, -50.0, 100.0, 100.0);
    for (int k : {0, 50, 100}) EXPECT_EQ(surface.pixel(k, k), 0u) << k;
    EXPECT_EQ(surface.pixel(101, 100), kGrey200);  // one pixel beside the dot at (100, 100)
    // Far ends: the part inside is drawn, and nothing strays off the line's rows.
    image.fill(Qt::white);
    drawAntialiasedLine(surface, 100.0, 200.0, 1e300, 200.0);
    drawAntialiasedLine(surface, 1e300, 200.0, 100.0, 200.0);
    drawAntialiasedLine(surface, 300.0, 300.0, -1e12, 300.0);
    EXPECT_EQ(std::make_tuple(surface.pixel(99, 200), surface.pixel(100, 200), surface.pixel(599, 200)),
              std::make_tuple(kGrey200, Color{0}, Color{0}));
    EXPECT_EQ(std::make_tuple(surface.pixel(0, 300), surface.pixel(300, 300), surface.pixel(301, 300)),
              std::make_tuple(Color{0}, Color{0}, kGrey200));
    for (int y = 0; y < 400; ++y) {
        if (std::abs(y - 200) > 2 && std::abs(y - 300) > 2) {
            EXPECT_EQ(image.copy(0, y, 600, 1), white.copy(0, y, 600, 1)) << y;
        }
    }
}

TEST_F(DecorationPixelTest, PlainLinesIncludeBothEndsAndTurnWithTheShape) {
    add(t->set.large, object(0, {{-10, 0}, {10, 0}}, kRed));
    add(t->set.large, object(0, {{0, 30}, {0, 30}}, kBlue));  // length 0: its one pixel
    repaintOneShape();
    for (int x = 90; x <= 110; ++x) EXPECT_EQ(surface.pixel(x, 100), kRed) << x;
    EXPECT_EQ(std::make_pair(surface.pixel(89, 100), surface.pixel(111, 100)),
              std::make_pair(t->palette[2], t->palette[2]));
    EXPECT_EQ(surface.pixel(100, 130), kBlue);

    // At angle 1 the end (10, 0) turns 36 degrees clockwise: (8.09, 5.88).
    repaintOneShape(1);
    EXPECT_EQ(surface.pixel(108, 105), kRed);
    EXPECT_EQ(surface.pixel(91, 94), kRed);
    EXPECT_EQ(surface.pixel(110, 100), t->palette[2]);
}

TEST_F(DecorationPixelTest, PolygonsByModeAndPath) {
    const SetObject square = object(2, {{-10, -10}, {10, -10}, {10, 10}, {-10, 10}}, kRed, kBlue);
    add(t->set.large, square);
    drawShape(*t, shell, surface, TileShape{0, 0, kLargeShape, 0, 5}, kOutline);
    EXPECT_EQ(std::make_pair(surface.pixel(90, 100), surface.pixel(100, 100)), std::make_pair(kRed, kWhite));

    // Antialiased: white inside, dark boundary, whatever the colours.
    t->antialiased = 1;
    repaintOneShape();
    EXPECT_EQ(surface.pixel(100, 100), kWhite);
    EXPECT_EQ(surface.pixel(90, 100), 0u);
    EXPECT_EQ(surface.pixel(89, 100), kGrey200);
    EXPECT_EQ(surface.pixel(1, 300), kWhite);  // the background too
}

// Drawing the floating shape twice in preview mode, and erasing a shape,
// leave the window as a repaint without that shape would.
struct PreviewAndErase : DecorationPixelTest, ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(PreviewAndErase, LeaveTheWindowAsItWas) {
    const auto [antialiased, outline] = GetParam();
    t->antialiased = antialiased;
    t->outline = static_cast<uint8_t>(outline);
    for (SetDrawing* d : {&t->set.small, &t->set.large}) {
        add(*d, object(0, {{-15, 0}, {15, 3}}, kRed));
        add(*d, object(1, {{-5, -20}, {5, -10}, {-5, 0}, {6, 12}}, 0x808080));
        add(*d, object(2, {{-8, 10}, {8, 10}, {0, 25}}, kBlue, 0x00c000));
    }
    t->shapes[0] = TileShape{-60, -40, kSmallShape, 2, 4};
    t->shapeLast = 0;
    redrawView(*t, shell);
    const QImage before = snapshot();

    const TileShape floating{30.3, 20.7, kLargeShape, 3, 1};
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_NE(snapshot(), before);
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_EQ(snapshot(), before);

    t->shapeLast = -1;
    redrawView(*t, shell);
    const QImage emptyView = snapshot();
    t->shapeLast = 0;
    redrawView(*t, shell);
    drawShape(*t, shell, surface, t->shapes[0], kErase);
    EXPECT_EQ(snapshot(), emptyView);
}

INSTANTIATE_TEST_SUITE_P(PlainAndAntialiased, PreviewAndErase,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(0, 1)));

}  // namespace
}  // namespace rho

// Printing: the printer state, print setup and the one-page job, through a
// scripted printer whose page records what is drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <tuple>

#include "edit/Creation.h"
#include "geometry/MatrixStack.h"
#include "io/Printing.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrinter.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct Printing : ::testing::Test {
    test::FakeShell shell;
    test::ScriptedPrinter printer;
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 0.5});
    Tiling& t = *tiling;
    const Matrix4 view = matrixStack().current();

    void add(double x, double y, int kind, int color) { t.shapes[++t.shapeLast] = TileShape{x, y, kind, 0, color}; }
    std::vector<test::DrawCall> drawn(const char* op) const {
        std::vector<test::DrawCall> out;
        for (const auto& c : printer.page.calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    bool viewKept() const { return std::memcmp(&matrixStack().current(), &view, sizeof view) == 0; }
};

// A 4800 x 6800 page gives a 1000 wide box the height 1416.666...; a
// printer removed in the dialog leaves the height and disables printing.
TEST_F(Printing, SetupReadsThePrinterAndKeepsThePageProportions) {
    t.ratioMode = 0;
    printsetup1Click(t, shell, printer);
    EXPECT_EQ(std::tuple(printer.setupCalls, t.ratioMode, t.pageAspect, t.box.h),
              std::tuple(1, 1, 4800.0 / 6800.0, 1000.0 / (4800.0 / 6800.0)));
    EXPECT_NEAR(t.box.h, 1416.6666666667, 1e-9);
    EXPECT_EQ(shell.recording.count("rectangle"), 1);  // the view was redrawn

    printer.onSetup = [](test::ScriptedPrinter& p) { p.isInstalled = false; };
    t.box.h = 700.0;
    printsetup1Click(t, shell, printer);
    EXPECT_EQ(std::tuple(t.ratioMode, t.box.h), std::tuple(2, 700.0));
    EXPECT_EQ(shell.menuEnabled, (std::map<std::string, bool>{{"print", false}, {"print setup...", false}}));
}

// World point p lands at 4.8 (p - box corner), truncated; the frame runs
// through the page's corner pixels in the frame's own width.
TEST_F(Printing, JobScalesTheBoxOntoThePageAndFramesIt) {
    t.box = BoundingBox{-100.25, -50.5, 1000.0, 1416.0};
    add(60.0, 30.0, kLargeShape, 4);
    add(300.0, 500.0, kSmallShape, 5);
    t.shapeLineWidth = 3;
    t.frameLineWidth = 5;
    print1Click(t, shell, printer);

    const auto polygons = drawn("polygon");
    ASSERT_EQ(polygons.size(), 2u);
    matrixStack().pushMatrix();
    matrixStack().loadIdentity();  // corners in world units
    for (int i = 0; i < 2; ++i) {
        computeCorners(t, t.shapes[i]);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(std::pair(polygons[i].points[j].x, polygons[i].points[j].y),
                      std::pair(static_cast<int>(4.8 * (t.cornerBuffer[j].x + 100.25)),
                                static_cast<int>(4.8 * (t.cornerBuffer[j].y + 50.5))))
                << i << "," << j;
    }
    matrixStack().popMatrix();
    EXPECT_TRUE(viewKept());
    const int corners[5][2] = {{0, 0}, {4799, 0}, {4799, 6799}, {0, 6799}, {0, 0}};
    const auto lines = drawn("line");
    ASSERT_EQ(lines.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(std::tuple(lines[k].points[0].x, lines[k].points[0].y, lines[k].points[1].x, lines[k].points[1].y),
                  std::tuple(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1]));
    EXPECT_EQ(printer.page.strokeWidths, (std::vector<int>{3, 5}));
    EXPECT_EQ(std::tuple(printer.pagesSent, shell.progressMax, shell.progressPositions, shell.statusHistory),
              std::tuple(1, 1, std::vector<int>{0, 1, 0}, Texts{"printing...", "idle"}));
}

// Print colour 0 outlines every shape in black whatever its colour or
// selection; 1 fills each in its palette colour. Without the frame the
// page still goes out.
TEST_F(Printing, PrintColorAndFrameOptions) {
    add(0.0, 0.0, kLargeShape, 4);
    add(100.0, 0.0, kSmallShape, -8);
    for (int color : {0, 1}) {
        t.printColor = color;
        t.printBoundingBox = color;
        SpeedButton4Click(t, shell, printer);
        const auto p = drawn("polygon");
        ASSERT_EQ(p.size(), color == 0 ? 2u : 3u);  // the selected shape gets its hatch on top
        EXPECT_EQ(drawn("line").size(), color == 0 ? 0u : 4u);
        if (color == 0) {
            for (const auto& c : p) EXPECT_EQ(std::tuple(c.stroke, c.brushStyle), std::tuple(0u, BrushStyle::Clear));
        } else {
            EXPECT_EQ(std::tuple(p[0].brush, p[1].brush, p[2].brushStyle),
                      std::tuple(t.palette[4], t.palette[8], BrushStyle::DiagonalCross));
        }
    }
    EXPECT_EQ(printer.pagesSent, 2);
}

// Nothing to print, or a job that cannot start or whose page is refused:
// a message, and the status line, progress bar and view transform put back.
TEST_F(Printing, RefusedJobsAreReportedAndLeaveNoTrace) {
    const struct {
        int shapes;
        double boxWidth;
        void (*fail)(test::ScriptedPrinter&);
        const char* message;
        std::vector<int> progress;
        Texts status;
    } cases[] = {
        {0, 1000, [](test::ScriptedPrinter&) {}, "Nothing to print.", {}, {}},
        {2, 0, [](test::ScriptedPrinter&) {}, "The bounding box must be wider than 0 to print.", {}, {}},
        {2, 1000, [](test::ScriptedPrinter& p) { p.isInstalled = false; }, "Can not print", {}, {}},
        {2, 1000, [](test::ScriptedPrinter& p) { p.refuseJob = true; }, "Can not print", {0}, {"printing...", "idle"}},
        {2, 1000, [](test::ScriptedPrinter& p) { p.refusePage = true; }, "Can not print", {0, 1, 0},
         {"printing...", "idle"}},
    };
    for (const auto& c : cases) {
        t.shapeLast = -1;
        t.box.w = c.boxWidth;
        for (int i = 0; i < c.shapes; ++i) add(40.0 * i, 0.0, kLargeShape, 1);
        test::FakeShell fresh;
        test::ScriptedPrinter broken;
        c.fail(broken);
        printTiling(t, fresh, broken);
        ASSERT_EQ(fresh.messages.size(), 1u) << c.message;
        EXPECT_EQ(std::tuple(fresh.messages[0].text, fresh.messages[0].buttons), std::tuple(c.message, Buttons::Ok));
        EXPECT_EQ(std::tuple(broken.pagesSent, fresh.progressPositions, fresh.statusHistory, t.statusText),
                  std::tuple(0, c.progress, c.status, "idle"));
        EXPECT_TRUE(viewKept());
    }
}

}  // namespace
}  // namespace rho

// Printing: the printer state, print setup and the one-page print job,
// through a scripted printer whose page records what is drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

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
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 4800.0 / 6800.0});
    Tiling& t = *tiling;

    void addShape(double x, double y, int kind, int angle, int color) {
        t.shapes[++t.shapeLast] = TileShape{x, y, kind, angle, color};
    }
    std::vector<test::DrawCall> pageCalls(const std::string& op) const {
        std::vector<test::DrawCall> out;
        for (const auto& c : printer.page.calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    static bool sameMatrix(const Matrix4& a, const Matrix4& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
};

TEST_F(Printing, PrinterStateFollowsThePrinterList) {
    const struct {
        bool installed;
        int ratioMode;
        double aspect;
    } cases[] = {{true, 1, 4800.0 / 6800.0}, {false, 2, 0.5}};
    for (const auto& c : cases) {
        t.pageAspect = 0.5;
        printer.isInstalled = c.installed;
        readPrinterState(t, shell, printer);
        EXPECT_EQ(std::tuple(t.ratioMode, t.pageAspect), std::tuple(c.ratioMode, c.aspect)) << c.installed;
        // The main window disables the menu item and the speed button of each caption.
        EXPECT_EQ(shell.menuEnabled, (std::map<std::string, bool>{{"print", c.installed}, {"print setup...", c.installed}}));
    }
}

TEST_F(Printing, SetupKeepsThePageProportionsOnlyWithAPrinter) {
    t.box = BoundingBox{10.0, 20.0, 1000.0, 700.0};
    t.ratioMode = 0;
    printsetup1Click(t, shell, printer);
    EXPECT_EQ(std::tuple(printer.setupCalls, t.ratioMode, t.box.h), std::tuple(1, 1, 1000.0 / (4800.0 / 6800.0)));
    EXPECT_NEAR(t.box.h, 1416.6666666667, 1e-9);
    EXPECT_EQ(shell.recording.count("rectangle"), 1);  // the view was redrawn

    // The printer is removed in the dialog: the height stays, the commands go.
    printer.onSetup = [](test::ScriptedPrinter& p) { p.isInstalled = false; };
    t.box.h = 700.0;
    printsetup1Click(t, shell, printer);
    EXPECT_EQ(std::tuple(t.ratioMode, t.box.h, shell.menuEnabled["print"]), std::tuple(2, 700.0, false));
}

// The box's corner goes to the page's corner and its width to the page's
// width: a world point p lands at 4.8 (p - corner), truncated.
TEST_F(Printing, JobScalesTheBoundingBoxOntoThePage) {
    t.box = BoundingBox{-100.25, -50.5, 1000.0, 1416.0};
    addShape(60.0, 30.0, kLargeShape, 2, 4);
    addShape(300.0, 500.0, kSmallShape, 7, 5);
    addShape(700.0, 900.0, kLargeShape, 0, 6);
    const Matrix4 before = matrixStack().current();
    const int depth = matrixStack().depth();

    print1Click(t, shell, printer);

    const auto polygons = pageCalls("polygon");
    ASSERT_EQ(polygons.size(), 3u);
    matrixStack().pushMatrix();
    matrixStack().loadIdentity();  // world corners, untransformed
    for (int i = 0; i < 3; ++i) {
        computeCorners(t, t.shapes[i]);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(polygons[i].points[j].x, static_cast<int>(4.8 * (t.cornerBuffer[j].x + 100.25))) << i << j;
            EXPECT_EQ(polygons[i].points[j].y, static_cast<int>(4.8 * (t.cornerBuffer[j].y + 50.5))) << i << j;
        }
    }
    matrixStack().popMatrix();
    EXPECT_TRUE(sameMatrix(matrixStack().current(), before));
    EXPECT_EQ(matrixStack().depth(), depth);
    EXPECT_EQ(std::tuple(printer.pagesSent, shell.progressMax, shell.progressPositions),
              std::tuple(1, 2, std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(shell.statusHistory, (Texts{"printing...", "idle"}));
    EXPECT_EQ(shell.panels[2], "idle");
}

TEST_F(Printing, FrameOutlinesThePrintablePageWhenSwitchedOn) {
    addShape(0.0, 0.0, kLargeShape, 0, 1);
    t.shapeLineWidth = 3;
    t.frameLineWidth = 5;
    for (int frame : {1, 0}) {
        t.printBoundingBox = frame;
        SpeedButton4Click(t, shell, printer);
        const auto lines = pageCalls("line");
        if (frame == 1) {
            ASSERT_EQ(lines.size(), 4u);
            const int corners[5][2] = {{0, 0}, {4799, 0}, {4799, 6799}, {0, 6799}, {0, 0}};
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(std::tuple(lines[k].points[0].x, lines[k].points[0].y, lines[k].points[1].x,
                                     lines[k].points[1].y, lines[k].stroke),
                          std::tuple(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1], 0u));
            }
            EXPECT_EQ(printer.page.strokeWidths, (std::vector<int>{3, 5}));
        } else {
            EXPECT_TRUE(lines.empty());
            EXPECT_EQ(printer.page.strokeWidths, (std::vector<int>{3}));
        }
    }
    EXPECT_EQ(printer.pagesSent, 2);  // without the frame the page still goes out
}

// Print colour 0 draws black outlines whatever the colour or the
// selection; print colour 1 fills each shape in its palette colour.
TEST_F(Printing, PrintColorChoosesFilledOrOutlinedShapes) {
    addShape(0.0, 0.0, kLargeShape, 0, 4);
    addShape(100.0, 0.0, kSmallShape, 3, -8);
    for (int color : {0, 1}) {
        t.printColor = color;
        printTiling(t, shell, printer);
        const auto polygons = pageCalls("polygon");
        if (color == 0) {
            ASSERT_EQ(polygons.size(), 2u);
            for (const auto& p : polygons)
                EXPECT_EQ(std::tuple(p.stroke, p.brushStyle), std::tuple(0u, BrushStyle::Clear));
        } else {
            ASSERT_EQ(polygons.size(), 3u);  // the selected shape gets its hatch on top
            EXPECT_EQ(std::tuple(polygons[0].brush, polygons[0].brushStyle), std::tuple(t.palette[4], BrushStyle::Solid));
            EXPECT_EQ(std::tuple(polygons[1].brush, polygons[1].brushStyle), std::tuple(t.palette[8], BrushStyle::Solid));
            EXPECT_EQ(polygons[2].brushStyle, BrushStyle::DiagonalCross);
        }
    }
}

TEST_F(Printing, EmptyTilingOrEmptyBoxStartsNoJob) {
    printTiling(t, shell, printer);
    addShape(0.0, 0.0, kLargeShape, 0, 1);
    t.box.w = 0.0;
    printTiling(t, shell, printer);
    EXPECT_EQ(shell.messageTexts(), (Texts{"Nothing to print.", "The bounding box must be wider than 0 to print."}));
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(std::tuple(printer.jobsBegun, shell.statusHistory.size()), std::tuple(0, 0u));
}

// A job that cannot start or whose page is refused is reported, and the
// status line, the progress bar and the transform are put back.
TEST_F(Printing, FailedJobsSayCanNotPrintAndRestoreTheStatus) {
    addShape(0.0, 0.0, kLargeShape, 0, 1);
    addShape(40.0, 0.0, kLargeShape, 0, 1);
    const Matrix4 before = matrixStack().current();
    const struct {
        std::function<void(test::ScriptedPrinter&)> fail;
        int jobsBegun;
        std::vector<int> progress;
        Texts statusHistory;
    } cases[] = {
        {[](test::ScriptedPrinter& p) { p.isInstalled = false; }, 0, {}, {}},
        {[](test::ScriptedPrinter& p) { p.refuseJob = true; }, 1, {0}, {"printing...", "idle"}},
        {[](test::ScriptedPrinter& p) { p.refusePage = true; }, 1, {0, 1, 0}, {"printing...", "idle"}},
    };
    for (const auto& c : cases) {
        test::ScriptedPrinter broken;
        c.fail(broken);
        shell.messages.clear();
        shell.progressPositions.clear();
        shell.statusHistory.clear();
        printTiling(t, shell, broken);
        EXPECT_EQ(shell.messageTexts(), Texts{"Can not print"});
        EXPECT_EQ(shell.messages.back().buttons, Buttons::Ok);
        EXPECT_EQ(std::tuple(broken.jobsBegun, broken.pagesSent, shell.progressPositions),
                  std::tuple(c.jobsBegun, 0, c.progress));
        EXPECT_EQ(std::tuple(t.statusText, shell.statusHistory), std::tuple("idle", c.statusHistory));
        EXPECT_TRUE(sameMatrix(matrixStack().current(), before));
    }
}

}  // namespace
}  // namespace rho

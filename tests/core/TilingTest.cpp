#include <gtest/gtest.h>

#include "edit/Creation.h"
#include "edit/StatusLine.h"
#include "geometry/MatrixStack.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

TEST(Tiling, CreationDefaultsAndStatusLine) {
    test::FakeShell shell(583, 415);
    shell.buttonFace = rgb(212, 208, 200);
    shell.window = rgb(255, 255, 254);
    matrixStack().pushMatrix();  // creation resets the stack
    auto t = createTiling(shell);
    EXPECT_EQ(matrixStack().depth(), 0);
    EXPECT_EQ(t->shapeLast, -1);
    EXPECT_EQ(t->contourLast, -1);
    EXPECT_EQ(t->currentColor, 3);
    EXPECT_EQ(t->untitled, 1);
    EXPECT_EQ(shell.caption, "rho 2.0 untitled");
    EXPECT_EQ(t->box.w, 1000.0);
    EXPECT_EQ(t->box.h, 700.0);
    EXPECT_EQ(t->ratioMode, 2);  // no printer
    EXPECT_EQ(t->palette[1], rgb(212, 208, 200));
    EXPECT_EQ(t->palette[2], rgb(255, 255, 254));
    EXPECT_EQ(t->palette[4], 0x0000ffu);  // red in the low byte
    EXPECT_EQ(t->palette[10], rgb(0, 100, 255));
    EXPECT_EQ(t->palette[20], rgb(225, 225, 225));

    refreshStatusLine(*t, shell);
    EXPECT_EQ(shell.panels[0], "shapes:0 contour:0");
    EXPECT_EQ(shell.panels[1], "tool: edit the tiling");
    EXPECT_EQ(shell.panels[2], "idle");
    t->shapeLast = 2;
    t->contourLast = 6;
    t->tool = ToolMode::OrigoBoundingBox;
    announce(*t, shell, "calculating conturs");
    EXPECT_EQ(shell.panels[0], "shapes:3 contour:7");
    EXPECT_EQ(shell.panels[1], "tool: set origo & bounding box");
    EXPECT_EQ(shell.panels[2], "calculating conturs");
}

// With a printer the bounding box keeps the page's proportions.
TEST(Tiling, CreationWithPrinterKeepsPageProportions) {
    test::FakeShell shell(583, 415);
    auto t = createTiling(shell, PrinterState{true, 0.75});
    EXPECT_EQ(t->ratioMode, 1);
    EXPECT_EQ(t->pageAspect, 0.75);
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <vector>

#include "support/FakeShell.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/Selection.h"
#include "tiling/SelectionTools.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::sectorDigits;

// The view puts world (0, 0) at pixel (291.5, 207.5) at zoom 1.
struct SelectionTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;

    void setShapes(const std::vector<TileShape>& shapes) {
        t.shapeLast = static_cast<int>(shapes.size()) - 1;
        for (size_t i = 0; i < shapes.size(); ++i) t.shapes[i] = shapes[i];
    }
    std::vector<int> colors() const {
        std::vector<int> c;
        for (int i = 0; i <= t.shapeLast; ++i) c.push_back(t.shapes[i].color);
        return c;
    }
    // redrawView starts with a rectangle over the whole view.
    int redraws() const { return shell.recording.count("rectangle"); }
    // Two large shapes sharing an edge, and a small one touching the second
    // at a corner only.
    void buildPatch() {
        ASSERT_TRUE(test::attachAt(t, shell, 0.0, 0.0, kLargeShape, 0));
        ASSERT_TRUE(test::attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
        ASSERT_TRUE(test::attachAt(t, shell, 68.8, 74.7, kSmallShape, 0));
        ASSERT_EQ(t.contourLast, 8);
    }
};

TEST_F(SelectionTest, SelectCommandsOnlyEverFlipTheSign) {
    setShapes({{0, 0, kSmallShape, 0, 7}, {0, 0, kLargeShape, 0, 3}, {0, 0, kSmallShape, 0, -5},
               {0, 0, kLargeShape, 0, -9}, {0, 0, 2, 0, 4}});
    t.modified = 0;
    smallshapes1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{-7, 3, -5, -9, 4}));
    smallshapes1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{-7, 3, -5, -9, 4}));
    largeshapes1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{-7, -3, -5, -9, 4}));
    invert1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{7, 3, 5, 9, -4}));
    invert1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{-7, -3, -5, -9, 4}));
    none1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{7, 3, 5, 9, 4}));
    allshapes1Click(t, shell);
    EXPECT_EQ(colors(), (std::vector<int>{-7, -3, -5, -9, -4}));
    EXPECT_EQ(redraws(), 7);
    EXPECT_EQ(t.modified, 0);
    EXPECT_EQ(shell.refreshCount, 0);
}

TEST_F(SelectionTest, DeleteSelectedKeepsTheRestInOrderAndTheContourRight) {
    buildPatch();
    t.shapes[1].color = -1;
    t.modified = 0;
    selected1Click(t, shell);
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.shapes[0].kind, kLargeShape);
    EXPECT_EQ(t.shapes[1].kind, kSmallShape);
    EXPECT_EQ(t.contourLast, 7);  // two shapes that no longer touch
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(shell.panels[0], "shapes:2 contour:8");

    allshapes1Click(t, shell);
    selected1Click(t, shell);
    EXPECT_EQ(t.shapeLast, -1);
    EXPECT_EQ(t.contourLast, -1);
}

TEST_F(SelectionTest, DeleteAllLeavesTheModifiedFlagAndStatusAlone) {
    buildPatch();
    t.modified = 0;
    const int refreshes = shell.refreshCount;
    all1Click(t, shell);
    EXPECT_EQ(t.shapeLast, -1);
    EXPECT_EQ(t.contourLast, -1);
    EXPECT_EQ(t.modified, 0);
    EXPECT_EQ(shell.refreshCount, refreshes);
    EXPECT_EQ(redraws(), 1);
}

TEST_F(SelectionTest, RemoveRecordShiftsTheRestDown) {
    setShapes({{1, 0, 0, 0, 1}, {2, 0, 0, 0, 2}, {3, 0, 0, 0, 3}});
    removeRecord(t, shell, -1);
    removeRecord(t, shell, 3);
    EXPECT_EQ(t.shapeLast, 2);
    EXPECT_EQ(t.modified, 0);
    removeRecord(t, shell, 0);
    EXPECT_EQ(colors(), (std::vector<int>{2, 3}));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(shell.panels[0], "shapes:2 contour:0");
}

TEST_F(SelectionTest, EraseToolWipesTheShapeAndLetsItBeAttachedAgain) {
    buildPatch();
    const ContourVertex first = t.contour[2];
    EraseTool eraser(t, shell);
    shell.recording.calls.clear();
    eraser.press(MouseButton::Left, 100, 100);  // no shape there
    EXPECT_EQ(t.shapeLast, 2);

    eraser.press(MouseButton::Right, 329, 219);  // the second shape, centre (38.04, 12.36)
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.shapes[1].kind, kSmallShape);
    EXPECT_EQ(redraws(), 0);
    ASSERT_FALSE(shell.recording.calls.empty());
    EXPECT_EQ(shell.recording.calls[0].brush, t.palette[2]);
    EXPECT_EQ(shell.recording.calls[0].stroke, t.palette[2]);
    EXPECT_EQ(t.contourLast, 7);  // its lone corner went, the one it shared with the small shape stayed
    EXPECT_EQ(sectorDigits(t.contour[2]), "0001100000");  // the first shape's own sectors again
    EXPECT_EQ(t.contour[2].x, first.x);
    EXPECT_EQ(sectorDigits(t.contour[4]), "0000000001");

    EXPECT_TRUE(test::attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, 8);
    EXPECT_EQ(sectorDigits(t.contour[2]), "0001111100");
    EXPECT_EQ(sectorDigits(t.contour[4]), "0001100001");

    // Erasing every shape, the last through its centre pixel, empties both tables.
    t.shapeLast = 0;
    ASSERT_TRUE(recalculateContour(t, shell));
    eraser.press(MouseButton::Middle, 291, 207);
    EXPECT_EQ(t.shapeLast, -1);
    EXPECT_EQ(t.contourLast, -1);
    EXPECT_EQ(shell.panels[0], "shapes:0 contour:0");
}

TEST_F(SelectionTest, SelectToolFlipsOneShapeOrDeselectsAll) {
    setShapes({{0, 0, kSmallShape, 0, 6}, {200, 0, kLargeShape, 0, -2}});
    SelectTool selector(t, shell);
    selector.press(MouseButton::Left, 291, 207);
    EXPECT_EQ(colors(), (std::vector<int>{-6, -2}));
    EXPECT_EQ(shell.recording.count("polygon"), 2);  // fill and selection hatch
    EXPECT_EQ(redraws(), 0);
    selector.press(MouseButton::Middle, 291, 207);
    EXPECT_EQ(colors(), (std::vector<int>{-6, -2}));
    selector.press(MouseButton::Right, 10, 10);  // over no shape
    EXPECT_EQ(colors(), (std::vector<int>{6, 2}));
    EXPECT_EQ(redraws(), 1);
}

}  // namespace
}  // namespace rho

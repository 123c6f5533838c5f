// Undo and redo of the main window's document, checked by the saved file's
// bytes and the modified flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "edit/CanvasTools.h"
#include "edit/ContourRecalculation.h"
#include "edit/OrderShapes.h"
#include "edit/RulesCommands.h"
#include "edit/Selection.h"
#include "edit/SelectionTools.h"
#include "edit/UndoCommands.h"
#include "generate/Colorize.h"
#include "generate/PenrosePatchCommand.h"
#include "generate/Quasitiler.h"
#include "io/DocumentCommands.h"
#include "io/TilingFile.h"
#include "render/View.h"
#include "rules/PenrosePatch.h"
#include "support/InteriorShape.h"
#include "support/Placing.h"
#include "support/TempDir.h"

namespace rho {
namespace {

struct Undo : test::TilingFixture {
    test::TempDir dir{"rho-undo"};
    TileShape taken;  // the shape an attach puts back

    // Saves the tiling (a fresh patch unless told otherwise) and opens it again: the saved state.
    void reopen(bool generate = true) {
        if (generate) {
            ASSERT_TRUE(generatePenrosePatch(t, 5));
        }
        ASSERT_TRUE(writeTiling(t, shell, dir / "doc.rho"));
        t.modified = 1;
        shell.answers.push_back(Answer::No);
        shell.fileChoices.push_back(FileChoice{dir / "doc.rho", 1});
        open1Click(t, shell);
        ASSERT_EQ(t.modified, 0);
    }
    Pixel pixelOf(int i) {
        applyView(t);
        return worldToPixel(t.shapes[i].x, t.shapes[i].y);
    }
    void clickWith(MouseTool&& tool, MouseButton button, int i) { tool.press(button, pixelOf(i).x, pixelOf(i).y); }
    std::string text() const { return tilingText(t); }
};

struct Row {
    const char* label;
    std::function<void(Undo&)> setup;    // before the file is saved and opened
    std::function<void(Undo&)> select;   // after opening: a selection the file does not hold
    std::function<void(Undo&)> command;
};

void none(Undo&) {}
void selectSmall(Undo& u) { smallshapes1Click(u.t, u.shell); }

const std::vector<Row>& rows() {
    static const std::vector<Row> all = {
        {"attach",
         [](Undo& u) {
             u.taken = u.t.shapes[u.t.shapeLast];
             ASSERT_TRUE(deleteShape(u.t, u.shell, u.t.shapeLast));
         },
         none,
         [](Undo& u) {
             startAdding(u.t, u.shell, 0, 0, u.taken.kind, u.taken.angle);
             u.t.floating = u.taken;
             ASSERT_TRUE(attachShape(u.t, u.shell));
         }},
        {"erase", none, none, [](Undo& u) { u.clickWith(EraseTool(u.t, u.shell), MouseButton::Left, u.t.shapeLast); }},
        {"delete all", none, none, [](Undo& u) { all1Click(u.t, u.shell); }},
        {"delete selected", none, selectSmall, [](Undo& u) { selected1Click(u.t, u.shell); }},
        {"colorize", none, none,
         [](Undo& u) { u.t.currentColor = 8; u.clickWith(ColorizeTool(u.t, u.shell), MouseButton::Left, 5); }},
        {"colorize all", none, selectSmall, [](Undo& u) { u.t.currentColor = 6; colorizeall1Click(u.t, u.shell); }},
        {"colorize selected", none, selectSmall,
         [](Undo& u) { u.t.currentColor = 7; colorizeselected1Click(u.t, u.shell); }},
        {"by type", none, selectSmall, [](Undo& u) { bytype1Click(u.t, u.shell); }},
        {"by angle", none, none, [](Undo& u) { byangle1Click(u.t, u.shell); }},
        {"by full angle", none, none, [](Undo& u) { byfullangle1Click(u.t, u.shell); }},
        {"restore colors", [](Undo& u) { byangle1Click(u.t, u.shell); }, none,
         [](Undo& u) { restorecolors1Click(u.t, u.shell); }},
        {"quasitiler", none, none, [](Undo& u) { runQuasitiler(u.t, u.shell, 4); }},
        {"penrose patch", none, none, [](Undo& u) { runPenrosePatch(u.t, u.shell, 5); }},
        {"order shapes", [](Undo& u) { std::reverse(u.t.shapes, u.t.shapes + u.t.shapeCount()); }, none,
         [](Undo& u) { ordershapes1Click(u.t, u.shell); }},
        {"recalculate contour", [](Undo& u) { std::reverse(u.t.contour, u.t.contour + u.t.contourCount()); }, none,
         [](Undo& u) { recalculatecontour1Click(u.t, u.shell); }},
        {"origin move", none, none, [](Undo& u) { OrigoBoxTool(u.t, u.shell).press(MouseButton::Right, 350, 170); }},
        {"orient shapes", [](Undo& u) { u.t.shapes[4].angle = (u.t.shapes[4].angle + 5) % 10; }, none,
         [](Undo& u) { orientshapes1Click(u.t, u.shell); }},
        {"fill forced shapes",
         [](Undo& u) {
             const std::vector<int> hole = test::shapesTouching(u.t, test::interiorThin(u.t));
             for (auto i = hole.rbegin(); i != hole.rend(); ++i) ASSERT_TRUE(deleteShape(u.t, u.shell, *i));
         },
         none, [](Undo& u) { fillforcedshapes1Click(u.t, u.shell); }},
        {"deflate", none, none, [](Undo& u) { deflate1Click(u.t, u.shell); }},
        {"compose", [](Undo& u) { deflate1Click(u.t, u.shell); }, none, [](Undo& u) { compose1Click(u.t, u.shell); }},
    };
    return all;
}

TEST_F(Undo, EveryCommandIsUndoneAndRedoneToTheExactFileBytes) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.label);
        ASSERT_TRUE(generatePenrosePatch(t, 6));
        row.setup(*this);
        reopen(false);
        row.select(*this);
        const std::string before = text();
        row.command(*this);
        const std::string after = text();
        ASSERT_NE(after, before);
        EXPECT_EQ(std::tuple(t.modified, t.history.stepCount()), std::tuple(1, 1u));
        undo1Click(t, shell);
        EXPECT_EQ(std::tuple(text(), t.modified, t.statusText),
                  std::tuple(before, 0, std::string("undone: ") + row.label));
        redo1Click(t, shell);
        EXPECT_EQ(std::tuple(text(), t.modified, shell.panels[2]),
                  std::tuple(after, 1, std::string("redone: ") + row.label));
    }
}

TEST_F(Undo, CommandsThatChangeNothingRecordNothingAndLeaveTheFlag) {
    reopen();
    colorizeselected1Click(t, shell);  // nothing selected
    selected1Click(t, shell);
    restorecolors1Click(t, shell);
    orientshapes1Click(t, shell);
    EXPECT_EQ(std::make_pair(t.history.stepCount(), t.modified), std::make_pair(std::size_t{0}, 0));

    byangle1Click(t, shell);
    t.modified = 0;  // as if saved under another name
    byangle1Click(t, shell);
    EXPECT_EQ(std::make_pair(t.history.stepCount(), t.modified), std::make_pair(std::size_t{1}, 0));
}

TEST_F(Undo, SelectionMakesNoStepAndComesBackWithTheShapesItWasOn) {
    reopen();
    const std::string plain = text();
    largeshapes1Click(t, shell);
    invert1Click(t, shell);
    SelectTool(t, shell).press(MouseButton::Left, pixelOf(2).x, pixelOf(2).y);
    documentChanged(t, "select");
    EXPECT_EQ(std::make_pair(t.history.stepCount(), t.modified), std::make_pair(std::size_t{0}, 0));

    const std::string selected = text();
    ASSERT_NE(selected, plain);
    selected1Click(t, shell);
    none1Click(t, shell);
    undo1Click(t, shell);
    EXPECT_EQ(text(), selected);  // the deleted shapes return selected, the others keep theirs
}

TEST_F(Undo, TheFlagIsClearExactlyAtTheSavedState) {
    reopen();
    byangle1Click(t, shell);
    bytype1Click(t, shell);
    save1Click(t, shell);
    restorecolors1Click(t, shell);
    undo1Click(t, shell);
    EXPECT_EQ(t.modified, 0);
    undo1Click(t, shell);
    EXPECT_EQ(t.modified, 1);
    redo1Click(t, shell);
    EXPECT_EQ(t.modified, 0);

    // A new command after undoing past the save loses the saved state for good.
    undo1Click(t, shell);
    colorizeall1Click(t, shell);
    undo1Click(t, shell);
    redo1Click(t, shell);
    EXPECT_EQ(std::make_pair(t.modified, t.history.canRedo()), std::make_pair(1, false));

    // "save as..." moves neither the flag nor the saved state.
    shell.fileChoices.push_back(FileChoice{dir / "other.rho", 1});
    saveas1Click(t, shell);
    undo1Click(t, shell);
    redo1Click(t, shell);
    EXPECT_EQ(t.modified, 1);
}

TEST_F(Undo, UndoDuringPlacementFirstTakesTheFloatingShapeAway) {
    reopen();
    all1Click(t, shell);
    addlargeshape1Click(t, shell);
    t.captured = 1;  // being dragged
    shell.captured = true;
    shell.recording.calls.clear();
    undo1Click(t, shell);
    EXPECT_EQ(std::make_tuple(t.adding, t.captured, shell.captured, t.shapeLast, t.history.canUndo(), t.statusText),
              std::make_tuple(0, 0, false, -1, true, std::string("idle")));
    EXPECT_EQ(shell.recording.count("polygon"), 1);  // the outline wiped, nothing else drawn
    undo1Click(t, shell);
    EXPECT_EQ(t.statusText, "undone: delete all");
}

TEST_F(Undo, TheOldestStepsGoBeyondTheCaps) {
    reopen();
    for (int k = 0; k < 201; ++k) {
        t.currentColor = 4 + k % 2;
        clickWith(ColorizeTool(t, shell), MouseButton::Left, k % 7);
    }
    EXPECT_EQ(t.history.stepCount(), 200u);
    while (t.history.canUndo()) undo1Click(t, shell);
    // The first click could no longer be taken back: shape 0 keeps colour 4.
    EXPECT_EQ(std::make_tuple(t.shapes[0].color, t.shapes[1].color, t.modified), std::make_tuple(4, 1, 1));

    // A byte cap keeps the newest steps that fit; a step larger than the cap is not kept at all.
    const std::size_t oneClick = t.history.bytes() / t.history.stepCount();
    while (t.history.canRedo()) redo1Click(t, shell);
    t.history.setLimits(200, 3 * oneClick);
    EXPECT_EQ(std::make_pair(t.history.stepCount(), t.history.canUndo()), std::make_pair(std::size_t{3}, true));
    all1Click(t, shell);
    EXPECT_EQ(std::make_tuple(t.history.stepCount(), t.history.bytes(), t.modified),
              std::make_tuple(std::size_t{0}, std::size_t{0}, 1));
    undo1Click(t, shell);
    EXPECT_EQ(t.shapeLast, -1);
}

}  // namespace
}  // namespace rho

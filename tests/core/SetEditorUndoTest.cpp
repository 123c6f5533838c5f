// Undo and redo in the set editor, checked by the set file's exact text and the modified flag.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "seteditor/EditorCommands.h"
#include "seteditor/EditorUndo.h"
#include "seteditor/SetFile.h"
#include "support/EditorFixture.h"
#include "support/TempDir.h"

namespace rho {
namespace {

struct SetEditorUndoTest : test::EditorFixture {
    test::TempDir dir{"seteditor-undo"};

    std::string text() const { return setFileText(tiling->set); }
    // A line and an off-grid triangle in the small drawing, a line in the large one.
    void startWithBothShapes() {
        addObject(0, {{0, 0}, {10, 0}});
        addObject(2, {{3.5, -20.25}, {-7.125, 11.0}, {9.0, 30.5}}, 0xff, 0xff00);
        commitWorking(e);
        tiling->set.large.count = 1;
        tiling->set.large.objects[0] = SetObject{1, 1, 0xff0000, 0, {{-5, 5}, {5, -5}}};
    }
    void drawLine(int x0, int y0, int x1, int y1) {
        selectEditorTool(e, kAddLine);
        drag(x0, y0, x1, y1);
    }
    int ipx(double x, double y) const { return static_cast<int>(pixelOf(x, y).x); }
    int ipy(double x, double y) const { return static_cast<int>(pixelOf(x, y).y); }
};

TEST_F(SetEditorUndoTest, EveryKindOfStepUndoesToTheTextBeforeAndRedoesToTheTextAfter) {
    startWithBothShapes();
    auto poly = [&](int tool, int x) {
        selectEditorTool(e, tool);
        drag(x, 100, x + 60, 100);
        click(x + 60, 180);
        click(0, 0, MouseButton::Right);
    };
    auto yes = [&](void (*command)(SetEditor&)) { editorShell.answers = {Answer::Yes}; command(e); };
    auto nothing = [] {};
    auto undo = [&] { undo1Click(e); };
    const std::tuple<std::string, std::function<void()>, std::function<void()>> steps[] = {
        {"move point", nothing, [&] { drag(ipx(0, 0), ipy(0, 0), ipx(0, 0) + 37, ipy(0, 0) + 21); }},
        {"add line", nothing, [&] { drawLine(100, 100, 300, 300); }},
        {"add polyline", nothing, [&] { poly(kAddPolyline, 200); }},
        {"add polygon", nothing, [&] { poly(kAddPolygon, 500); }},
        {"delete point", [&] { selectEditorTool(e, kDeletePoints); }, [&] { click(ipx(9.0, 30.5), ipy(9.0, 30.5)); }},
        {"autosnap to grid", nothing, [&] { autosnaptogrid1Click(e); }},
        {"clear current shape", nothing, [&] { yes(clearsmallshape1Click); }},
        {"clear all shapes", undo, [&] { yes(clearlargeshape1Click); }},  // one undo brings back both
        {"shape transfer", undo, [&] {  // undone in the drawing it changed, once shown
             shapetransfer1Click(e);
             editlargeshape1Click(e);
         }},
    };
    for (const auto& [name, prepare, act] : steps) {
        SCOPED_TRACE(name);
        prepare();
        const std::string before = text();
        act();
        const std::string after = text();
        ASSERT_NE(before, after);
        undo1Click(e);
        EXPECT_EQ(std::tuple(text(), editorShell.panels[2]), std::tuple(before, "undone: " + name));
        redo1Click(e);
        EXPECT_EQ(std::tuple(text(), editorShell.panels[2]), std::tuple(after, "redone: " + name));
    }
    // The steps undone before the next command are gone from the redo side.
    EXPECT_EQ(std::tuple(e.history[0].size(), e.history[1].size()), std::tuple(size_t{7}, size_t{1}));
}

TEST_F(SetEditorUndoTest, ModifiedFollowsTheHistoryBackToTheSavedSetAndNewAndOpenStartAfresh) {
    startWithBothShapes();
    drawLine(100, 300, 300, 300);
    const std::string path = dir / "saved.rhs";
    editorShell.fileChoices = {FileChoice{path, 1}};
    save1Click(e);
    ASSERT_FALSE(e.modified);
    drawLine(100, 100, 300, 300);
    undo1Click(e);
    EXPECT_EQ(std::tuple(e.modified, text()), std::tuple(false, test::slurp(path)));
    redo1Click(e);

    // The saved set is a step of the large history too.
    editlargeshape1Click(e);
    drawLine(100, 300, 300, 100);
    editsmallshape1Click(e);
    undo1Click(e);
    EXPECT_TRUE(e.modified);
    editlargeshape1Click(e);
    undo1Click(e);
    EXPECT_FALSE(e.modified);

    // A step taken after undoing past the saved set leaves no way back to it.
    redo1Click(e);
    save1Click(e);
    undo1Click(e);
    drawLine(300, 100, 100, 300);
    undo1Click(e);
    EXPECT_TRUE(e.modified);

    editorShell.answers = {Answer::No, Answer::No};
    editorShell.fileChoices = {FileChoice{path, 1}};
    open1Click(e);
    EXPECT_EQ(std::tuple(e.history[1].size(), e.modified, editorShell.menuEnabled["undo"], e.workingDrawing.count),
              std::tuple(size_t{0}, false, false, 2));
    editsmallshape1Click(e);
    drawLine(100, 100, 300, 300);
    new1Click(e);
    EXPECT_EQ(std::tuple(canUndo(e), editorShell.menuEnabled["undo"], e.modified), std::tuple(false, false, false));
}

TEST_F(SetEditorUndoTest, EachShapeUndoesItsOwnStepsAndClearAllGoesBackTogether) {
    drawLine(100, 100, 300, 300);
    editlargeshape1Click(e);
    drawLine(100, 300, 300, 100);
    editorShell.answers = {Answer::Yes};
    clearlargeshape1Click(e);
    editsmallshape1Click(e);
    drawLine(400, 100, 500, 300);
    editlargeshape1Click(e);
    undo1Click(e);  // the small drawing has a newer step: only the large comes back
    EXPECT_EQ(std::tuple(tiling->set.small.count, e.workingDrawing.count), std::tuple(1, 1));
    editsmallshape1Click(e);
    undo1Click(e);
    undo1Click(e);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, tiling->set.large.count), std::tuple(1, 1));
}

TEST_F(SetEditorUndoTest, UndoFirstTakesBackWhatTheMouseIsInTheMiddleOf) {
    startWithBothShapes();
    const std::string before = text();
    FormMouseDown(e, MouseButton::Left, ipx(0, 0), ipy(0, 0));
    FormMouseMove(e, ipx(0, 0) + 50, ipy(0, 0) + 50);
    const SetPoint moved = e.workingDrawing.objects[0].points[0];
    FormMouseDown(e, MouseButton::Right, ipx(moved.x, moved.y), ipy(moved.x, moved.y));  // a second button picks again
    ASSERT_EQ(std::tuple(e.pickedObject, e.pickedPoint), std::tuple(0, 0));
    undo1Click(e);
    FormMouseUp(e, MouseButton::Left, ipx(0, 0) + 50, ipy(0, 0) + 50);
    EXPECT_EQ(std::tuple(text(), e.dragging, e.history[0].size()), std::tuple(before, false, size_t{0}));

    selectEditorTool(e, kAddPolygon);
    drag(500, 100, 560, 100);
    click(560, 180);
    undo1Click(e);
    click(0, 0, MouseButton::Right);
    EXPECT_EQ(std::tuple(text(), e.objectInProgress, editorShell.panels[2]),
              std::tuple(before, false, "undone: add polygon"));
}

TEST_F(SetEditorUndoTest, HistoryKeepsTheLast200StepsAndForgetsTheSavedSetBeyondThem) {
    addObject(0, {{0, 0}, {10, 0}});
    commitWorking(e);
    markSetSaved(e);
    SpeedButton10Click(e);  // no snapping: each drag moves point 1 between the same two pixels
    const int x[2] = {ipx(10, 0), ipx(-10, 0)}, y[2] = {ipy(10, 0), ipy(-10, 0)};
    std::string after5;
    for (int k = 0; k < 205; ++k) {
        selectEditorTool(e, kMovePoints);
        drag(x[k % 2], y[k % 2], x[1 - k % 2], y[1 - k % 2]);
        if (k == 4) after5 = text();
    }
    for (int k = 0; k < 210; ++k) undo1Click(e);
    EXPECT_EQ(std::tuple(text(), e.modified, canUndo(e)), std::tuple(after5, true, false));
}

}  // namespace
}  // namespace rho

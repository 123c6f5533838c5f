#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "seteditor/EditorCommands.h"
#include "seteditor/SetFile.h"
#include "support/EditorFixture.h"
#include "support/SilentFifo.h"
#include "support/TempDir.h"

namespace rho {
namespace {

using Strings = std::vector<std::string>;

struct SetEditorCommandsTest : test::EditorFixture {
    test::TempDir dir{"seteditor-commands"};

    // A set with one line in each drawing, as the working copy shows it.
    void fillBothShapes() {
        addObject(0, {{0, 0}, {10, 0}});
        commitWorking(e);
        tiling->set.large = tiling->set.small;
    }
    std::string writeFile(const std::string& name, const std::string& text) {
        const std::string path = dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string validSet() {
        SetDesign d;
        d.small.count = 1;
        d.small.objects[0] = SetObject{2, 2, 0xff, 0xff00, {{1, 2}, {3, 4}, {5, 7}}};
        return setFileText(d);
    }
};

TEST_F(SetEditorCommandsTest, NewAsksFirstWhenModifiedAndOnlyNoGoesOn) {
    fillBothShapes();
    e.modified = true;
    editorShell.answers = {Answer::Yes};
    new1Click(e);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, tiling->set.large.count, e.modified), std::tuple(1, 1, true));

    editorShell.answers = {Answer::No};
    new1Click(e);
    EXPECT_EQ(editorShell.messageTexts(), Strings(2, "Do you want save current set?"));
    EXPECT_EQ(std::tuple(e.workingDrawing.count, tiling->set.small.count, tiling->set.large.count, e.modified),
              std::tuple(0, 0, 0, false));
    EXPECT_EQ(editorShell.caption, "rho 2.0 - set editor - untitled");
}

TEST_F(SetEditorCommandsTest, NothingToSaveWhileEitherDrawingIsEmpty) {
    addObject(0, {{0, 0}, {10, 0}});
    save1Click(e);
    saveas1Click(e);
    EXPECT_EQ(editorShell.messageTexts(), Strings(2, "Nothing to save."));
    EXPECT_EQ(editorShell.messages[0].buttons, Buttons::Ok);
    EXPECT_TRUE(editorShell.dialogs.empty());
}

TEST_F(SetEditorCommandsTest, SaveOfAnUntitledSetAsksForANameAndWritesTheFile) {
    fillBothShapes();
    e.modified = true;
    const std::string path = dir / "star.rhs";
    editorShell.fileChoices = {FileChoice{path, 1}};
    save1Click(e);
    ASSERT_EQ(editorShell.dialogs.size(), 1u);
    const FileDialogRequest& r = editorShell.dialogs[0].request;
    EXPECT_EQ(std::tuple(editorShell.dialogs[0].save, r.title, r.filter, r.defaultExt, r.confirmOverwrite),
              std::tuple(true, "save set as", "penrose set (*.rhs)|*rhs", "rhs", true));
    EXPECT_EQ(test::slurp(path), setFileText(tiling->set));
    EXPECT_EQ(std::tuple(e.modified, e.untitled, editorShell.caption),
              std::tuple(false, false, "rho 2.0 - set editor - " + path));

    new1Click(e);
    fillBothShapes();
    save1Click(e);
    EXPECT_EQ(editorShell.dialogs.size(), 2u);  // untitled again
}

TEST_F(SetEditorCommandsTest, FailedSaveAsKeepsTheNameOfTheFileThatHoldsTheSet) {
    fillBothShapes();
    const std::string good = dir / "good.rhs";
    editorShell.fileChoices = {FileChoice{good, 1}, FileChoice{dir / "missing/bad.rhs", 1}};
    saveas1Click(e);
    e.modified = true;
    saveas1Click(e);
    EXPECT_EQ(editorShell.messageTexts(), (Strings{"Can not create file", "Error writing file"}));
    EXPECT_EQ(std::tuple(e.fileName, editorShell.caption, e.modified),
              std::tuple(good, "rho 2.0 - set editor - " + good, true));
}

TEST_F(SetEditorCommandsTest, OpenReplacesTheSetAndAWrongMagicLeavesTheOldFile) {
    const std::string good = writeFile("good.rhs", validSet());
    editorShell.fileChoices = {FileChoice{good, 1}};
    e.setsFolder = "/usr/share/rho/sets";
    open1Click(e);
    const FileDialogRequest& r = editorShell.dialogs[0].request;
    EXPECT_EQ(std::tuple(r.title, r.filter, r.defaultExt, r.mustExist, r.initialFolder),
              std::tuple("open file", "penrose tiling(*.rhs)|*.rhs", "rhs", true, "/usr/share/rho/sets"));
    ASSERT_EQ(e.workingDrawing.count, 1);
    EXPECT_EQ(std::tuple(e.workingDrawing.objects[0].points[2].y, e.fileName, e.untitled), std::tuple(7.0, good, false));
    EXPECT_EQ(editorShell.panels[0], "objects: 1");

    const std::string bad = writeFile("bad.rhs", "123457\n0 0\n");
    editorShell.fileChoices = {FileChoice{bad, 1}};
    open1Click(e);
    EXPECT_TRUE(editorShell.messages.empty());
    EXPECT_EQ(std::tuple(e.fileName, editorShell.caption, tiling->set.small.count),
              std::tuple(good, "rho 2.0 - set editor - " + good, 1));
}

TEST_F(SetEditorCommandsTest, DropOpensOnlyAnExactRhsExtension) {
    const std::string path = writeFile("drop.rhs", validSet());
    Dropper1Drop(e, "RHS", path);
    Dropper1Drop(e, "b.rhs", path);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, e.fileName), std::tuple(0, "untitled"));
    e.modified = true;
    editorShell.answers = {Answer::Yes};
    Dropper1Drop(e, "rhs", path);
    EXPECT_EQ(e.workingDrawing.count, 0);
    editorShell.answers = {Answer::No};
    Dropper1Drop(e, "rhs", path);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, e.fileName, e.modified), std::tuple(1, path, false));
}

// A named pipe whose writer stays silent is refused at once by open and
// drop; the set, its name and flags stay as they were.
TEST_F(SetEditorCommandsTest, OpenAndDropRefuseWhatIsNotARegularFile) {
    test::SilentFifo fifo(dir / "fifo.rhs");
    ASSERT_TRUE(fifo.ready());
    fillBothShapes();
    e.modified = true;
    editorShell.answers = {Answer::No, Answer::Ok, Answer::No, Answer::Ok};
    editorShell.fileChoices = {FileChoice{fifo.path(), 1}};
    ::alarm(20);  // a reader that blocks ends the run instead of hanging it
    open1Click(e);
    Dropper1Drop(e, "rhs", fifo.path());
    ::alarm(0);
    const std::string question = "Do you want save current set?", refused = "Error reading file";
    EXPECT_EQ(editorShell.messageTexts(), (Strings{question, refused, question, refused}));
    EXPECT_EQ(std::tuple(tiling->set.small.count, tiling->set.large.count, e.fileName, e.modified),
              std::tuple(1, 1, "untitled", true));
}

TEST_F(SetEditorCommandsTest, ShapeSwitchDropsTheUnfinishedPolygonAndKeepsTheOtherShape) {
    tiling->set.large.count = 1;
    tiling->set.large.objects[0] = SetObject{0, 1, 0xff, 0, {{1, 1}, {2, 2}}};
    selectEditorTool(e, kAddPolygon);
    drag(300, 200, 340, 200);
    click(340, 240);
    editlargeshape1Click(e);
    EXPECT_EQ(std::tuple(e.editLarge, e.objectInProgress, e.rubberBand, e.workingDrawing.count), std::tuple(1, false, false, 1));
    EXPECT_EQ(e.workingDrawing.objects[0].points[1].x, 2.0);
    EXPECT_TRUE(editorShell.menuChecked["edit large shape"]);
    EXPECT_FALSE(editorShell.buttonDown["edit small shape"]);
    editsmallshape1Click(e);
    EXPECT_EQ(std::tuple(tiling->set.small.count, tiling->set.large.count), std::tuple(0, 1));
}

TEST_F(SetEditorCommandsTest, ClearCommandsAskAndMarkTheSetModified) {
    fillBothShapes();
    editorShell.answers = {Answer::No, Answer::Yes};
    clearsmallshape1Click(e);
    EXPECT_EQ(std::tuple(tiling->set.small.count, e.modified), std::tuple(1, false));
    clearsmallshape1Click(e);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, tiling->set.small.count, tiling->set.large.count, e.modified),
              std::tuple(0, 0, 1, true));
    clearlargeshape1Click(e);
    EXPECT_EQ(std::tuple(tiling->set.large.count, e.modified), std::tuple(0, true));
    EXPECT_EQ(editorShell.messageTexts(), (Strings{"Do you really want clear this shape?", "Do you really want clear this shape?",
                                                   "Do you really want clear all?"}));
}

TEST_F(SetEditorCommandsTest, ShapeTransferMapsVertexOntoVertexAndBackAgain) {
    const Point2 v1 = tiling->smallTemplate.corners[1];
    addObject(0, {v1, {0, 0}});
    addObject(2, {{3.5, -20.25}, {-7.125, 11.0}, {9.0, 30.5}}, 0xff, 0xff00);
    const SetDrawing original = e.workingDrawing;
    shapetransfer1Click(e);
    const SetDrawing& large = tiling->set.large;
    ASSERT_EQ(large.count, 2);
    EXPECT_NEAR(large.objects[0].points[0].x, -19.021130, 1e-6);
    EXPECT_NEAR(large.objects[0].points[0].y, 13.819660, 1e-6);
    EXPECT_EQ(std::tuple(large.objects[0].points[1].x, large.objects[0].points[1].y), std::tuple(0.0, 0.0));
    EXPECT_EQ(std::tuple(large.objects[1].objectKind, large.objects[1].fillColor), std::tuple(2, 0xff00u));

    editlargeshape1Click(e);
    shapetransfer1Click(e);
    for (int k = 0; k < 2; ++k)
        for (int p = 0; p <= original.objects[k].lastPoint; ++p) {
            EXPECT_NEAR(tiling->set.small.objects[k].points[p].x, original.objects[k].points[p].x, 1e-12);
            EXPECT_NEAR(tiling->set.small.objects[k].points[p].y, original.objects[k].points[p].y, 1e-12);
        }
    e.workingDrawing.count = 0;
    shapetransfer1Click(e);
    EXPECT_EQ(std::tuple(tiling->set.small.count, e.modified), std::tuple(0, true));
}

TEST_F(SetEditorCommandsTest, SwatchesTakeTheDialogsColourOrTheOtherSwatch) {
    Shape1MouseDown(e, MouseButton::Right);
    EXPECT_EQ(std::tuple(e.currentLineColor, colorHint(e.currentLineColor)), std::tuple(0xffffffu, "255-255-255"));
    editorShell.colorChoices = {Color{0x0000ff}, std::nullopt};
    Shape2MouseDown(e, MouseButton::Left);
    EXPECT_EQ(std::tuple(e.currentFillColor, colorHint(e.currentFillColor)), std::tuple(0x0000ffu, "255-0-0"));
    Shape1MouseDown(e, MouseButton::Left);  // cancelled
    EXPECT_EQ(e.currentLineColor, 0xffffffu);
}

TEST_F(SetEditorCommandsTest, CloseAsksWhenModifiedAndCommitsTheWorkingDrawing) {
    tiling->editorOpen = 1;
    EXPECT_TRUE(FormCloseQuery(e));
    e.modified = true;
    editorShell.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(FormCloseQuery(e));
    EXPECT_TRUE(FormCloseQuery(e));
    addObject(1, {{0, 0}, {1, 0}, {1, 1}});
    FormClose(e);
    EXPECT_EQ(std::tuple(tiling->set.small.count, tiling->editorOpen), std::tuple(1, 0));
}

}  // namespace
}  // namespace rho

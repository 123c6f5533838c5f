#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "support/EditorFixture.h"

namespace rho {
namespace {

using SetEditorToolsTest = test::EditorFixture;

int ix(double v) { return static_cast<int>(v); }

TEST_F(SetEditorToolsTest, LineSnappedToTheGridGetsTheVertexCoordinates) {
    selectEditorTool(e, kAddLine);
    const Point2 v0 = e.screenOutline[0];
    const Point2 v2 = e.screenOutline[2];
    drag(ix(v0.x) + 3, ix(v0.y) - 2, ix(v2.x) - 2, ix(v2.y) + 3);
    ASSERT_EQ(e.workingDrawing.count, 1);
    const SetObject& line = e.workingDrawing.objects[0];
    EXPECT_EQ(std::tuple(line.objectKind, line.lastPoint), std::tuple(0, 1));
    EXPECT_NEAR(line.points[0].x, -11.755705, 1e-6);
    EXPECT_NEAR(line.points[0].y, -36.180340, 1e-6);
    EXPECT_NEAR(line.points[1].x, 11.755705, 1e-6);
    EXPECT_NEAR(line.points[1].y, 36.180340, 1e-6);
    EXPECT_TRUE(e.modified);
    EXPECT_EQ(editorShell.panels[0], "objects: 1");
}

TEST_F(SetEditorToolsTest, SnappingToPointsTakesTheLaterPointNotTheNearer) {
    SpeedButton11Click(e);
    EXPECT_EQ(std::tuple(e.snapToGrid, e.snapToPoints), std::tuple(false, true));
    const Point2 mouse{300.0, 250.0};
    const Point2 near5 = pixelToModel(e, {305.0, 250.0});
    const Point2 far10 = pixelToModel(e, {300.0, 260.0});
    const Point2 away = pixelToModel(e, {311.2, 250.0});
    addObject(0, {near5, pixelToModel(e, {100, 100})});
    addObject(0, {pixelToModel(e, {500, 100}), far10});
    Point2 s = snapPoint(e, mouse);
    EXPECT_NEAR(s.x, 300.0, 1e-9);
    EXPECT_NEAR(s.y, 260.0, 1e-9);

    e.workingDrawing.count = 0;
    addObject(0, {away, pixelToModel(e, {100, 100})});
    s = snapPoint(e, mouse);
    EXPECT_EQ(std::tuple(s.x, s.y), std::tuple(300.0, 250.0));
}

TEST_F(SetEditorToolsTest, HitTestRadiusIsInModelUnits) {
    editorShell.setClientSize(800, 560);
    FormResize(e);
    addObject(0, {{0, 0}, {-20, 0}});  // point 0 at pixel (400, 280)
    EXPECT_TRUE(pickPoint(e, 430, 280));
    EXPECT_EQ(std::tuple(e.pickedObject, e.pickedPoint), std::tuple(0, 0));
    EXPECT_FALSE(pickPoint(e, 432, 280));
}

TEST_F(SetEditorToolsTest, DeletingPointsTurnsAPolygonIntoALineThenRemovesIt) {
    addObject(2, {{0, 0}, {10, 0}, {10, 10}}, 0x0000ff, 0x00ff00);
    addObject(1, {{-20, -20}, {-25, -20}, {-25, -30}});
    selectEditorTool(e, kDeletePoints);
    const Point2 p1 = pixelOf(10, 0);
    click(ix(p1.x), ix(p1.y));
    ASSERT_EQ(e.workingDrawing.count, 2);
    const SetObject& o = e.workingDrawing.objects[0];
    EXPECT_EQ(std::tuple(o.objectKind, o.lastPoint, o.lineColor), std::tuple(0, 1, 0x0000ffu));
    EXPECT_EQ(std::tuple(o.points[1].x, o.points[1].y), std::tuple(10.0, 10.0));

    const Point2 p0 = pixelOf(0, 0);
    click(ix(p0.x), ix(p0.y));
    ASSERT_EQ(e.workingDrawing.count, 1);
    EXPECT_EQ(std::tuple(e.workingDrawing.objects[0].objectKind, e.workingDrawing.objects[0].points[1].x),
              std::tuple(1, -25.0));
    EXPECT_EQ(editorShell.panels[0], "objects: 1");
}

TEST_F(SetEditorToolsTest, PolylineFinishedRightAfterItsFirstSegmentHasTwoPoints) {
    SpeedButton10Click(e);  // no snapping
    selectEditorTool(e, kAddPolyline);
    click(300, 200, MouseButton::Right);  // nothing in progress: no object, no band
    EXPECT_EQ(std::tuple(e.workingDrawing.count, e.rubberBand), std::tuple(0, false));
    drag(300, 200, 340, 260);
    EXPECT_EQ(e.workingDrawing.count, 0);  // in progress, not counted
    click(500, 500, MouseButton::Right);
    ASSERT_EQ(e.workingDrawing.count, 1);
    const SetObject& o = e.workingDrawing.objects[0];
    EXPECT_EQ(std::tuple(o.objectKind, o.lastPoint), std::tuple(1, 1));
    const Point2 end = pixelToModel(e, {340, 260});
    EXPECT_EQ(std::tuple(o.points[1].x, o.points[1].y), std::tuple(end.x, end.y));
    EXPECT_EQ(std::tuple(e.rubberBand, e.objectInProgress), std::tuple(false, false));
}

TEST_F(SetEditorToolsTest, PolygonStopsGrowingAtTwentyPoints) {
    SpeedButton10Click(e);
    selectEditorTool(e, kAddPolygon);
    drag(300, 200, 310, 200);
    for (int k = 0; k < 25; ++k) click(310 + k, 220 + k);
    click(0, 0, MouseButton::Right);
    ASSERT_EQ(e.workingDrawing.count, 1);
    const SetObject& o = e.workingDrawing.objects[0];
    EXPECT_EQ(std::tuple(o.objectKind, o.lastPoint), std::tuple(2, 19));
    const Point2 last = pixelToModel(e, {310 + 17, 220 + 17});
    EXPECT_EQ(std::tuple(o.points[19].x, o.points[19].y), std::tuple(last.x, last.y));
}

TEST_F(SetEditorToolsTest, FullDrawingTakesNoLineButIsMarkedModified) {
    for (int k = 0; k < kSetDrawingObjects; ++k) addObject(0, {{0, 0}, {1, 1}});
    selectEditorTool(e, kAddLine);
    drag(100, 100, 200, 200);
    EXPECT_EQ(std::tuple(e.workingDrawing.count, e.modified, e.rubberBand), std::tuple(50, true, false));
}

TEST_F(SetEditorToolsTest, ChangingToolsDropsTheUnfinishedPolygonSoALineGetsItsOwnSlot) {
    SpeedButton10Click(e);
    selectEditorTool(e, kAddPolygon);
    drag(300, 200, 340, 200);
    click(340, 240);
    ASSERT_TRUE(e.objectInProgress);

    selectEditorTool(e, kAddLine);
    EXPECT_FALSE(e.objectInProgress);
    drag(100, 100, 150, 100);
    selectEditorTool(e, kAddPolygon);
    drag(500, 300, 520, 300);
    click(0, 0, MouseButton::Right);

    ASSERT_EQ(e.workingDrawing.count, 2);
    const SetObject& line = e.workingDrawing.objects[0];
    const SetObject& polygon = e.workingDrawing.objects[1];
    EXPECT_EQ(std::tuple(line.objectKind, line.lastPoint), std::tuple(0, 1));
    EXPECT_EQ(line.points[1].y, pixelToModel(e, {150, 100}).y);
    EXPECT_EQ(std::tuple(polygon.objectKind, polygon.lastPoint), std::tuple(2, 1));
    EXPECT_EQ(polygon.points[0].y, pixelToModel(e, {500, 300}).y);
}

TEST_F(SetEditorToolsTest, MovingAPointSnapsItToTheGrid) {
    addObject(0, {{1, 1}, {-20, 0}});
    commitWorking(e);
    mainShell.recording.calls.clear();
    const Point2 p = pixelOf(1, 1);
    FormMouseDown(e, MouseButton::Left, ix(p.x), ix(p.y));
    ASSERT_TRUE(e.dragging);
    const Point2 v3 = e.screenOutline[3];
    FormMouseMove(e, ix(v3.x) + 2, ix(v3.y) + 2);
    EXPECT_EQ(tiling->set.small.objects[0].points[0].x, e.workingDrawing.objects[0].points[0].x);
    EXPECT_TRUE(mainShell.recording.calls.empty());  // the main view waits for the release
    FormMouseUp(e, MouseButton::Left, ix(v3.x) + 2, ix(v3.y) + 2);
    EXPECT_FALSE(mainShell.recording.calls.empty());
    EXPECT_NEAR(e.workingDrawing.objects[0].points[0].x, 11.755705, 1e-6);
    EXPECT_NEAR(e.workingDrawing.objects[0].points[0].y, -3.819660, 1e-6);
    EXPECT_FALSE(e.dragging);
}

TEST_F(SetEditorToolsTest, AutosnapToPointsMovesTheEarlierOntoTheLater) {
    SpeedButton11Click(e);
    addObject(0, {pixelToModel(e, {300, 200}), pixelToModel(e, {100, 100})});
    addObject(0, {pixelToModel(e, {305, 200}), pixelToModel(e, {500, 500})});
    const SetObject before = e.workingDrawing.objects[1];
    autosnaptogrid1Click(e);
    const SetDrawing& d = e.workingDrawing;
    EXPECT_NEAR(d.objects[0].points[0].x, before.points[0].x, 1e-12);
    EXPECT_NEAR(d.objects[0].points[0].y, before.points[0].y, 1e-12);
    EXPECT_EQ(std::tuple(d.objects[1].points[0].x, d.objects[1].points[0].y),
              std::tuple(before.points[0].x, before.points[0].y));
    EXPECT_TRUE(e.modified);  // a changed drawing is an undoable step
}

TEST_F(SetEditorToolsTest, DrawingAreaOfNoSizeLeavesThePointsAlone) {
    addObject(0, {{0.3, 0.7}, {5.1, -3.3}});
    editorShell.setClientSize(0, 300);
    FormResize(e);
    autosnaptogrid1Click(e);
    selectEditorTool(e, kAddLine);
    drag(0, 0, 0, 0);
    ASSERT_EQ(e.workingDrawing.count, 1);
    EXPECT_EQ(std::tuple(e.workingDrawing.objects[0].points[0].x, e.workingDrawing.objects[0].points[1].y),
              std::tuple(0.3, -3.3));
}

TEST_F(SetEditorToolsTest, EveryActionCommitsAndTheMainViewIsRedrawnOnlyForChanges) {
    mainShell.recording.calls.clear();
    click(10, 10);  // move tool, nothing hit
    EXPECT_TRUE(mainShell.recording.calls.empty());
    selectEditorTool(e, kAddLine);
    drag(100, 100, 300, 300);
    EXPECT_EQ(tiling->set.small.count, 1);
    EXPECT_EQ(tiling->set.small.objects[0].points[1].x, e.workingDrawing.objects[0].points[1].x);
    EXPECT_FALSE(mainShell.recording.calls.empty());
}

}  // namespace
}  // namespace rho

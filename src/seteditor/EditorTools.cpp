#include "seteditor/EditorTools.h"

#include <utility>

#include "render/Surface.h"
#include "seteditor/EditorUndo.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "tiling/Shell.h"

namespace rho {

const char* const kEditorToolHints[6] = {"move points",   "add line",      "add polyline",
                                         "add polygon",   "delete points", "color picker"};

const char* editorStepName(int tool) {
    static const char* const names[5] = {"move point", "add line", "add polyline", "add polygon", "delete point"};
    return tool >= 0 && tool < 5 ? names[tool] : "";
}

namespace {

double squaredDistance(Point2 a, Point2 b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// A drawing area of no size has no scale: pixels there map to no model point.
bool hasArea(const SetEditor& e) { return e.viewScale > 0; }

Point2 mousePixel(int x, int y) { return {static_cast<double>(x), static_cast<double>(y)}; }

void startBand(SetEditor& e) {
    drawRubberBand(e);
    e.rubberBand = true;
}

// A click without a drag still leaves the image of its segment on screen.
void moveBandEnd(SetEditor& e, Point2 end) {
    if (end.x == e.bandEnd.x && end.y == e.bandEnd.y) return;
    drawRubberBand(e);
    e.bandEnd = end;
    drawRubberBand(e);
}

void endBand(SetEditor& e) {
    e.rubberBand = false;
    e.shell.viewSurface().setStrokeMode(StrokeMode::Copy);
}

void pressAddingTool(SetEditor& e, int x, int y) {
    e.modified = true;
    e.pressAccepted = e.workingDrawing.count < kSetDrawingObjects;
    // A band still following the mouse after a middle release goes on: this
    // press finishes the segment it shows.
    if (!e.pressAccepted || e.rubberBand) return;
    const Point2 start = e.objectInProgress ? e.bandEnd : snapPoint(e, mousePixel(x, y));
    e.bandStart = e.bandEnd = start;
    startBand(e);
}

void deletePickedPoint(SetEditor& e) {
    SetDrawing& d = e.workingDrawing;
    SetObject& o = d.objects[e.pickedObject];
    for (int p = e.pickedPoint; p < o.lastPoint; ++p) o.points[p] = o.points[p + 1];
    --o.lastPoint;
    if (o.lastPoint < 1) {
        for (int k = e.pickedObject; k < d.count - 1; ++k) d.objects[k] = d.objects[k + 1];
        --d.count;
    } else if (o.lastPoint == 1) {
        o.objectKind = 0;
    }
    e.modified = true;
    FormPaint(e);
}

void releaseLine(SetEditor& e, int x, int y) {
    if (!e.pressAccepted) return;
    e.pressAccepted = false;
    moveBandEnd(e, snapPoint(e, mousePixel(x, y)));
    endBand(e);
    SetDrawing& d = e.workingDrawing;
    SetObject& o = d.objects[d.count];
    o.lineColor = e.currentLineColor;
    o.fillColor = e.currentFillColor;
    o.objectKind = 0;
    o.lastPoint = 1;
    const Point2 a = pixelToModel(e, e.bandStart);
    const Point2 b = pixelToModel(e, e.bandEnd);
    o.points[0] = {a.x, a.y};
    o.points[1] = {b.x, b.y};
    ++d.count;
}

void appendVertex(SetEditor& e, Point2 pixel) {
    SetObject& o = e.workingDrawing.objects[e.workingDrawing.count];
    if (o.lastPoint >= kSetObjectPoints - 1) return;
    const Point2 m = pixelToModel(e, pixel);
    ++o.lastPoint;
    o.points[o.lastPoint] = {m.x, m.y};
}

void releasePolyTool(SetEditor& e, MouseButton button, int x, int y) {
    SetDrawing& d = e.workingDrawing;
    if (button == MouseButton::Middle) return;
    if (button == MouseButton::Left) {
        if (!e.pressAccepted) return;
        e.pressAccepted = false;
        const Point2 p = snapPoint(e, mousePixel(x, y));
        moveBandEnd(e, p);
        endBand(e);
        if (!e.objectInProgress) {
            SetObject& o = d.objects[d.count];
            o.objectKind = e.editorTool == kAddPolygon ? 2 : 1;
            o.lastPoint = 0;
            const Point2 m = pixelToModel(e, e.bandStart);
            o.points[0] = {m.x, m.y};
            e.objectInProgress = true;
        }
        appendVertex(e, p);
        return;
    }
    e.pressAccepted = false;
    endBand(e);
    if (!e.objectInProgress) return;
    e.objectInProgress = false;
    SetObject& o = d.objects[d.count];
    o.lineColor = e.currentLineColor;
    o.fillColor = e.currentFillColor;
    ++d.count;
    if (e.editorTool == kAddPolygon) FormPaint(e);
}

void updateSnapMarks(SetEditor& e) {
    e.shell.setMenuChecked("snap to grid", e.snapToGrid);
    e.shell.setMenuChecked("snap lines' end", e.snapToPoints);
    e.shell.setButtonDown("snap to grid", e.snapToGrid);
    e.shell.setButtonDown("snap to points", e.snapToPoints);
}

}  // namespace

bool pickPoint(SetEditor& e, int x, int y) {
    const Point2 m = pixelToModel(e, mousePixel(x, y));
    const SetDrawing& d = e.workingDrawing;
    for (int k = 0; k < d.count; ++k) {
        for (int p = 0; p <= d.objects[k].lastPoint; ++p) {
            const SetPoint& q = d.objects[k].points[p];
            if (squaredDistance(m, {q.x, q.y}) < kPickRadiusSquared) {
                e.pickedObject = k;
                e.pickedPoint = p;
                return true;
            }
        }
    }
    return false;
}

Point2 snapPoint(const SetEditor& e, Point2 pixel) {
    Point2 result = pixel;
    if (e.snapToGrid) {
        double best = kGridSnapStart;
        for (const Point2& g : gridLattice(e)) {
            const double d = squaredDistance(g, pixel);
            if (d < best) {
                best = d;
                result = g;
            }
        }
    }
    if (e.snapToPoints) {
        const SetDrawing& d = e.workingDrawing;
        for (int k = 0; k < d.count; ++k) {
            for (int p = 0; p <= d.objects[k].lastPoint; ++p) {
                const SetPoint& q = d.objects[k].points[p];
                const Point2 px = modelToPixel(e, {q.x, q.y});
                if (squaredDistance(px, pixel) < kPointSnapSquared) result = px;
            }
        }
    }
    return result;
}

void FormMouseDown(SetEditor& e, MouseButton button, int x, int y) {
    if (!hasArea(e)) return;
    switch (e.editorTool) {
        case kMovePoints:
            if (pickPoint(e, x, y)) {
                // A second button pressed during a drag picks again; the
                // drag stays one step from where it began.
                if (!e.dragging) e.dragBefore = DrawingState::of(e.workingDrawing);
                e.dragging = true;
                e.modified = true;
            }
            break;
        case kAddLine:
        case kAddPolyline:
        case kAddPolygon: pressAddingTool(e, x, y); break;
        case kDeletePoints:
            if (pickPoint(e, x, y)) {
                DrawingState before = DrawingState::of(e.workingDrawing);
                deletePickedPoint(e);
                recordEdit(e, e.editLarge, editorStepName(kDeletePoints), std::move(before));
            }
            break;
        case kColorPicker: {
            const Color c = e.shell.viewSurface().pixel(x, y);
            if (button == MouseButton::Left) e.currentFillColor = c;
            if (button == MouseButton::Right) e.currentLineColor = c;
            break;
        }
        default: break;
    }
    refreshEditorStatus(e);
}

void FormMouseMove(SetEditor& e, int x, int y) {
    if (!hasArea(e)) return;
    if (e.editorTool == kMovePoints) {
        if (!e.dragging) return;
        const Point2 m = pixelToModel(e, snapPoint(e, mousePixel(x, y)));
        e.workingDrawing.objects[e.pickedObject].points[e.pickedPoint] = {m.x, m.y};
        FormPaint(e);
    } else if (e.editorTool <= kAddPolygon && e.rubberBand) {
        drawRubberBand(e);
        e.bandEnd = snapPoint(e, mousePixel(x, y));
        drawRubberBand(e);
    }
}

void FormMouseUp(SetEditor& e, MouseButton button, int x, int y) {
    if (!hasArea(e)) return;
    // A line, or a polyline or polygon finished by this release, is one step.
    DrawingState before = DrawingState::of(e.workingDrawing);
    switch (e.editorTool) {
        case kMovePoints:
            if (e.dragging) {
                finishDrag(e);
                FormPaint(e);
            }
            break;
        case kAddLine: releaseLine(e, x, y); break;
        case kAddPolyline:
        case kAddPolygon: releasePolyTool(e, button, x, y); break;
        default: break;
    }
    if (e.editorTool >= kAddLine && e.editorTool <= kAddPolygon)
        recordEdit(e, e.editLarge, editorStepName(e.editorTool), std::move(before));
    refreshEditorStatus(e);
}

void selectEditorTool(SetEditor& e, int tool) {
    if (tool < kMovePoints || tool > kColorPicker) return;
    if (tool != e.editorTool) {
        const bool pending = e.objectInProgress || e.rubberBand;
        abandonPending(e);
        finishDrag(e);
        if (pending) FormPaint(e);  // takes the dropped object's segments off the screen
    }
    e.editorTool = tool;
    for (int k = 0; k < 6; ++k) e.shell.setButtonDown(kEditorToolHints[k], k == tool);
    refreshEditorStatus(e);
}

void SpeedButton10Click(SetEditor& e) {
    e.snapToGrid = !e.snapToGrid;
    if (e.snapToGrid) e.snapToPoints = false;
    updateSnapMarks(e);
}

void SpeedButton11Click(SetEditor& e) {
    e.snapToPoints = !e.snapToPoints;
    if (e.snapToPoints) e.snapToGrid = false;
    updateSnapMarks(e);
}

void autosnaptogrid1Click(SetEditor& e) {
    if (!hasArea(e)) return;
    SetDrawing& d = e.workingDrawing;
    DrawingState before = DrawingState::of(d);
    for (int k = 0; k < d.count; ++k) {
        for (int p = 0; p <= d.objects[k].lastPoint; ++p) {
            SetPoint& q = d.objects[k].points[p];
            const Point2 pixel = modelToPixel(e, {q.x, q.y});
            const Point2 snapped = snapPoint(e, pixel);
            if (snapped.x == pixel.x && snapped.y == pixel.y) continue;  // no round trip for a point that stays
            const Point2 m = pixelToModel(e, snapped);
            q = {m.x, m.y};
        }
    }
    recordEdit(e, e.editLarge, "autosnap to grid", std::move(before));
    FormPaint(e);
}

}  // namespace rho

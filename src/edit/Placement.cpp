#include "edit/Placement.h"

#include <algorithm>
#include <vector>

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "geometry/Geometry.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "rules/KeepRules.h"
#include "tiling/Contour.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// The floating shape's outline is a not-xor stroke: drawing it again at the
// same place wipes it.
void toggleOutline(Tiling& t, Shell& shell) { drawShape(t, shell, shell.viewSurface(), t.floating, kPreview); }

void startAddingFromMenu(Tiling& t, Shell& shell, int32_t kind) {
    if (t.tool != ToolMode::Edit) return;
    startAdding(t, shell, 0, 0, kind, 0);
    announce(t, shell, addingStatusText(kind));
}

// Stores the floating shape with color 1 in slot `index`, which becomes the
// last one, and draws it.
void storeFloating(Tiling& t, Shell& shell, int index) {
    t.shapeLast = index;
    t.shapes[index] = t.floating;
    t.shapes[index].color = 1;
    drawShape(t, shell, shell.viewSurface(), t.shapes[index], kNormal);
}

// The snap target: the last (point, corner) pair near within 10, scanning
// points in table order and corners 0..3 within each. False when none.
bool findSnapTarget(const Tiling& t, int& point, int& corner) {
    point = -1;
    for (int c = 0; c <= t.contourLast; ++c) {
        for (int j = 0; j < 4; ++j) {
            if (nearWithin10(t.contour[c].x, t.contour[c].y, t.cornerScratch[j].x, t.cornerScratch[j].y)) {
                point = c;
                corner = j;
            }
        }
    }
    return point >= 0;
}

// The merge of an attach while "keep matching rules" is on: an overlap is
// refused as always; a shape that fits but would break the matching rules
// is refused too, with the contour put back as it was and the reason in
// the status line.
bool mergeKeepingRules(Tiling& t, Shell& shell) {
    const std::vector<ContourVertex> before(t.contour, t.contour + t.contourLast + 1);
    if (mergeIntoContour(t) == 0) return false;
    if (!attachBreaksRules(t, t.floating)) return true;
    std::copy(before.begin(), before.end(), t.contour);
    t.contourLast = static_cast<int32_t>(before.size()) - 1;
    announce(t, shell, kBreaksRulesText);
    return false;
}

bool attachToContour(Tiling& t, Shell& shell) {
    buildCornerRecords(t, t.floating);
    int c = 0;
    int j = 0;
    if (!findSnapTarget(t, c, j)) return false;
    t.snapCorner = j;
    t.floating.x += t.contour[c].x - t.cornerScratch[j].x;
    t.floating.y += t.contour[c].y - t.cornerScratch[j].y;
    // A move leaves each corner's sectors as they are; only the places change.
    computeCorners(t, t.floating);
    for (int k = 0; k < 4; ++k) {
        t.cornerScratch[k].x = t.cornerBuffer[k].x;
        t.cornerScratch[k].y = t.cornerBuffer[k].y;
    }
    if (t.shapeLast > kMaxHandShapeLast) return false;
    if (t.keepRules == 1 ? !mergeKeepingRules(t, shell) : mergeIntoContour(t) == 0) return false;
    storeFloating(t, shell, t.shapeLast + 1);
    documentChanged(t, "attach");
    announce(t, shell, "idle");
    return true;
}

}  // namespace

const char* addingStatusText(int32_t kind) { return kind == kLargeShape ? "adding large shape" : "adding small shape"; }

void startAdding(Tiling& t, Shell& shell, int x, int y, int32_t kind, int32_t angle) {
    if (t.adding == 1) toggleOutline(t, shell);
    t.adding = 1;
    t.floating = TileShape{static_cast<double>(x), static_cast<double>(y), kind, angle, 1};
    toggleOutline(t, shell);
}

void addlargeshape1Click(Tiling& t, Shell& shell) { startAddingFromMenu(t, shell, kLargeShape); }

void addsmallshape1Click(Tiling& t, Shell& shell) { startAddingFromMenu(t, shell, kSmallShape); }

void turnFloating(Tiling& t, Shell& shell) {
    toggleOutline(t, shell);
    // Kept in 0..9 even for an angle copied from a damaged record.
    t.floating.angle = ((t.floating.angle + 1) % 10 + 10) % 10;
    toggleOutline(t, shell);
}

void moveFloating(Tiling& t, Shell& shell, int x, int y) {
    toggleOutline(t, shell);
    const Point2 w = windowToWorld(t, x, y);
    t.floating.x = w.x;
    t.floating.y = w.y;
    toggleOutline(t, shell);
}

bool attachShape(Tiling& t, Shell& shell) {
    if (t.adding != 1) return false;
    toggleOutline(t, shell);
    t.adding = 0;
    if (t.shapeLast >= 0) return attachToContour(t, shell);

    // The first shape stands where it is and its corners are the contour.
    storeFloating(t, shell, 0);
    buildCornerRecords(t, t.shapes[0]);
    for (int k = 0; k < 4; ++k) t.contour[k] = t.cornerScratch[k];
    t.contourLast = 3;
    documentChanged(t, "attach");
    announce(t, shell, "idle");
    return true;
}

}  // namespace rho

#pragma once
// The set editor's six mouse tools (move points, add line, add polyline,
// add polygon, delete points, colour picker), the hit test, the two
// snapping rules and the commands that switch tools and snapping.

#include "edit/MouseTool.h"
#include "geometry/Primitives.h"

namespace rho {

struct SetEditor;

// Squared model distance below which a point is hit (about 3.87 units).
constexpr double kPickRadiusSquared = 15.0;
// Squared pixel distance below which an existing point attracts (about 11.18 pixels).
constexpr double kPointSnapSquared = 125.0;
// Squared pixel distance a grid point must beat to attract at all.
constexpr double kGridSnapStart = 1000000.0;

// Finds the first point (object order, then point order) within the pick
// radius of the pixel; sets pickedObject and pickedPoint.
bool pickPoint(SetEditor& e, int x, int y);

// The pixel position after snapping: to the nearest grid point when
// snapping to the grid, then to the last existing point within reach when
// snapping to points.
Point2 snapPoint(const SetEditor& e, Point2 pixel);

void FormMouseDown(SetEditor& e, MouseButton button, int x, int y);
void FormMouseMove(SetEditor& e, int x, int y);
void FormMouseUp(SetEditor& e, MouseButton button, int x, int y);

// One of the six tool buttons. Changing tools drops an unfinished polyline
// or polygon.
void selectEditorTool(SetEditor& e, int tool);
extern const char* const kEditorToolHints[6];
// The name of what a mouse action of tools 0 to 4 did, for undo and redo:
// "move point", "add line", "add polyline", "add polygon", "delete point".
const char* editorStepName(int tool);

// "snap to grid" (button and menu) and "snap to points" / "snap lines' end".
void SpeedButton10Click(SetEditor& e);
void SpeedButton11Click(SetEditor& e);
// edit > "autosnap to grid": every point snapped as if placed again.
void autosnaptogrid1Click(SetEditor& e);

}  // namespace rho

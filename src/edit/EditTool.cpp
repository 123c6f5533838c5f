#include "edit/EditTool.h"

#include <algorithm>

#include "edit/Placement.h"
#include "edit/StatusLine.h"
#include "geometry/Geometry.h"
#include "render/View.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {
// Whole world units toward zero, kept inside the int range.
int truncateWorld(double v) { return static_cast<int>(std::clamp(v, -2.0e9, 2.0e9)); }
}  // namespace

void EditTool::press(MouseButton button, int x, int y) {
    if (t_.adding != 1) {
        copyShapeAt(x, y);
        return;
    }
    switch (button) {
    case MouseButton::Left: {
        const Pixel c = worldToPixel(t_.floating.x, t_.floating.y);
        if (pointInBox(x, y, c.x - 10, c.y - 10, 20, 20)) {
            grab();
        } else {
            turnFloating(t_, shell_);
        }
        break;
    }
    case MouseButton::Right:
        attachShape(t_, shell_);
        break;
    case MouseButton::Middle:
        break;
    }
}

void EditTool::move(int x, int y) {
    if (t_.captured == 1 && t_.adding == 1) moveFloating(t_, shell_, x, y);
}

void EditTool::release(MouseButton, int, int) {
    if (t_.captured != 1) return;
    t_.captured = 0;
    shell_.releaseMouse();
}

void EditTool::copyShapeAt(int x, int y) {
    const int i = pickShape(t_, x, y);
    if (i < 0) return;
    // The copy is a new floating shape; the picked shape stays as it is.
    const TileShape s = t_.shapes[i];
    startAdding(t_, shell_, truncateWorld(s.x), truncateWorld(s.y), s.kind, s.angle);
    grab();
    announce(t_, shell_, addingStatusText(s.kind));
}

void EditTool::grab() {
    t_.captured = 1;
    shell_.captureMouse();
}

}  // namespace rho

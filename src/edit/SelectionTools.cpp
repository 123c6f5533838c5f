#include "edit/SelectionTools.h"

#include "edit/Selection.h"
#include "edit/UndoCommands.h"
#include "geometry/Geometry.h"
#include "render/Renderer.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

void SelectTool::press(MouseButton button, int x, int y) {
    switch (button) {
    case MouseButton::Left: {
        const int i = pickShape(t_, x, y);
        if (i < 0) return;
        flipSelection(t_.shapes[i]);
        t_.history.noteSelection(t_);
        drawShape(t_, shell_, shell_.viewSurface(), t_.shapes[i], kNormal);
        break;
    }
    case MouseButton::Right:
        none1Click(t_, shell_);
        break;
    case MouseButton::Middle:
        break;
    }
}

void EraseTool::press(MouseButton, int x, int y) {
    const int i = pickShape(t_, x, y);
    if (i < 0) return;
    const TileShape s = t_.shapes[i];
    drawShape(t_, shell_, shell_.viewSurface(), s, kErase);
    // Should the contour be unable to take the shape back, the shape stays
    // and is shown again.
    if (!deleteShape(t_, shell_, i)) {
        drawShape(t_, shell_, shell_.viewSurface(), s, kNormal);
        return;
    }
    documentChanged(t_, "erase");
}

}  // namespace rho

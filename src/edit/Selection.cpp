#include "edit/Selection.h"

#include <algorithm>

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "tiling/Contour.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Flips the selection of every shape that `pick` accepts, then repaints.
template <class Pick>
void flipWhere(Tiling& t, Shell& shell, Pick pick) {
    for (int i = 0; i <= t.shapeLast; ++i) {
        if (pick(t.shapes[i])) flipSelection(t.shapes[i]);
    }
    t.history.noteSelection(t);
    redrawView(t, shell);
}

}  // namespace

void smallshapes1Click(Tiling& t, Shell& shell) {
    flipWhere(t, shell, [](const TileShape& s) { return s.kind == kSmallShape && s.color > 0; });
}

void largeshapes1Click(Tiling& t, Shell& shell) {
    flipWhere(t, shell, [](const TileShape& s) { return s.kind == kLargeShape && s.color > 0; });
}

void allshapes1Click(Tiling& t, Shell& shell) {
    flipWhere(t, shell, [](const TileShape& s) { return s.color > 0; });
}

void invert1Click(Tiling& t, Shell& shell) {
    flipWhere(t, shell, [](const TileShape&) { return true; });
}

void none1Click(Tiling& t, Shell& shell) {
    flipWhere(t, shell, [](const TileShape& s) { return s.color < 0; });
}

void all1Click(Tiling& t, Shell& shell) {
    t.contourLast = -1;
    t.shapeLast = -1;
    documentChanged(t, "delete all");
    redrawView(t, shell);
}

void selected1Click(Tiling& t, Shell& shell) {
    // Walking downwards keeps the indices of the shapes not yet visited valid.
    for (int i = t.shapeLast; i >= 0; --i) {
        if (t.shapes[i].color < 0) deleteShape(t, shell, i);
    }
    if (t.shapeLast < 0) t.contourLast = -1;
    documentChanged(t, "delete selected");
    redrawView(t, shell);
}

void removeRecord(Tiling& t, Shell& shell, int shapeIndex) {
    if (shapeIndex < 0 || shapeIndex > t.shapeLast) return;
    std::copy(t.shapes + shapeIndex + 1, t.shapes + t.shapeLast + 1, t.shapes + shapeIndex);
    --t.shapeLast;
    refreshStatusLine(t, shell);
}

bool deleteShape(Tiling& t, Shell& shell, int shapeIndex) {
    // The contour removal reads the shape's record, so it goes first.
    if (!removeFromContour(t, shapeIndex)) return false;
    removeRecord(t, shell, shapeIndex);
    return true;
}

}  // namespace rho

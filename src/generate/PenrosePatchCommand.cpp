#include "generate/PenrosePatchCommand.h"

#include "edit/ContourRecalculation.h"
#include "edit/OrderShapes.h"
#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "rules/PenrosePatch.h"
#include "tiling/Tiling.h"

namespace rho {

void runPenrosePatch(Tiling& t, Shell& shell, int radius) {
    if (radius < kPenroseMinRadius || radius > kPenroseMaxRadius) return;
    announce(t, shell, "penrose patch works...");
    fillPenrosePatch(t, radius);
    orderShapes(t, shell);
    recalculateContour(t, shell);
    redrawView(t, shell);
    announce(t, shell, "idle");
    documentChanged(t, "penrose patch");
}

}  // namespace rho

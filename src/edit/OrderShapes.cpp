#include "edit/OrderShapes.h"

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {

void orderShapes(Tiling& t, Shell& shell) {
    announce(t, shell, "ordering shapes");
    sortIntoRows(t);
    announce(t, shell, "idle");
}

void ordershapes1Click(Tiling& t, Shell& shell) {
    orderShapes(t, shell);
    documentChanged(t, "order shapes");
}

}  // namespace rho

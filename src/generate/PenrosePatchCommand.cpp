#include "generate/PenrosePatchCommand.h"

#include "edit/StatusLine.h"
#include "generate/Quasitiler.h"
#include "rules/PenrosePatch.h"
#include "tiling/Tiling.h"

namespace rho {

void runPenrosePatch(Tiling& t, Shell& shell, int radius) {
    if (radius < kPenroseMinRadius || radius > kPenroseMaxRadius) return;
    announce(t, shell, "penrose patch works...");
    fillPenrosePatch(t, radius);
    settleGeneratedPatch(t, shell, "penrose patch");
}

}  // namespace rho

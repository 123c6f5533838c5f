#include "generate/PenrosePatchDialog.h"

#include "generate/PenrosePatchCommand.h"
#include "rules/PenrosePatch.h"

namespace rho {

static_assert(PenrosePatchDialog::kMinRadius == kPenroseMinRadius && PenrosePatchDialog::kMaxRadius == kPenroseMaxRadius);

PenrosePatchDialog::PenrosePatchDialog(Tiling& tiling, Shell& shell) : RadiusDialog(tiling, shell, runPenrosePatch) {}

}  // namespace rho

#include "generate/QuasitilerDialog.h"

#include "generate/Quasitiler.h"

namespace rho {

static_assert(QuasitilerDialog::kMinRadius == kQuasiMinRadius && QuasitilerDialog::kMaxRadius == kQuasiMaxRadius);

QuasitilerDialog::QuasitilerDialog(Tiling& tiling, Shell& shell) : RadiusDialog(tiling, shell, runQuasitiler) {}

}  // namespace rho

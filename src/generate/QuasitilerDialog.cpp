#include "generate/QuasitilerDialog.h"

#include "generate/Quasitiler.h"
#include "tiling/Shell.h"

namespace rho {

QuasitilerDialog::QuasitilerDialog(Tiling& tiling, Shell& shell) : tiling_(tiling), shell_(shell) { FormCreate(); }

void QuasitilerDialog::FormCreate() { editText = "10"; }

void QuasitilerDialog::Button1Click() {
    int n = -1;
    scanDecimalInt(editText, n);
    if (n >= kQuasiMinRadius && n <= kQuasiMaxRadius) {
        runQuasitiler(tiling_, shell_, n);
        closed = true;
    } else {
        shell_.messageBox(kRangeMessage, Buttons::Ok);
    }
}

void QuasitilerDialog::Button2Click() { closed = true; }

}  // namespace rho

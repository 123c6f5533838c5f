#include "generate/RadiusDialog.h"

#include "tiling/Shell.h"

namespace rho {

RadiusDialog::RadiusDialog(Tiling& tiling, Shell& shell, Generator generate)
    : tiling_(tiling), shell_(shell), generate_(generate) {
    FormCreate();
}

void RadiusDialog::FormCreate() { editText = "10"; }

void RadiusDialog::Button1Click() {
    int n = -1;
    scanDecimalInt(editText, n);
    if (n >= kMinRadius && n <= kMaxRadius) {
        generate_(tiling_, shell_, n);
        closed = true;
    } else {
        shell_.messageBox(kRangeMessage, Buttons::Ok);
    }
}

void RadiusDialog::Button2Click() { closed = true; }

}  // namespace rho

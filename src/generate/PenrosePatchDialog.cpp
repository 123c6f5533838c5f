#include "generate/PenrosePatchDialog.h"

#include "generate/PenrosePatchCommand.h"
#include "rules/PenrosePatch.h"
#include "tiling/Shell.h"

namespace rho {

PenrosePatchDialog::PenrosePatchDialog(Tiling& tiling, Shell& shell) : tiling_(tiling), shell_(shell) { FormCreate(); }

void PenrosePatchDialog::FormCreate() { editText = "10"; }

void PenrosePatchDialog::Button1Click() {
    int n = -1;
    scanDecimalInt(editText, n);
    if (n >= kPenroseMinRadius && n <= kPenroseMaxRadius) {
        runPenrosePatch(tiling_, shell_, n);
        closed = true;
    } else {
        shell_.messageBox(kRangeMessage, Buttons::Ok);
    }
}

void PenrosePatchDialog::Button2Click() { closed = true; }

}  // namespace rho

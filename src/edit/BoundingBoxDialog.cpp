#include "edit/BoundingBoxDialog.h"

#include "edit/DecimalText.h"
#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

BoundingBoxDialog::BoundingBoxDialog(Tiling& tiling, Shell& shell) : tiling_(tiling), shell_(shell) { FormShow(); }

void BoundingBoxDialog::FormShow() {
    const BoundingBox& b = tiling_.box;
    editText[0] = formatTruncated(b.x);
    editText[1] = formatTruncated(b.y);
    editText[2] = formatTruncated(b.w);
    editText[3] = formatTruncated(b.h);
    checkBoxEnabled = tiling_.ratioMode != 2;
    checkBoxChecked = tiling_.ratioMode == 1;
}

void BoundingBoxDialog::CheckBox1Click(bool checked) {
    checkBoxChecked = checked;
    // Without a printer the box is disabled and the mode stays "no printer".
    if (tiling_.ratioMode == 2) return;
    tiling_.ratioMode = checked ? 1 : 0;
}

void BoundingBoxDialog::Button1Click() { closed = true; }

void BoundingBoxDialog::Button2Click() {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!scanDecimalInt(editText[i], values[i])) {
            shell_.messageBox(kRangeMessage, Buttons::OkCancel);
            return;
        }
    }
    tiling_.box = BoundingBox{static_cast<double>(values[0]), static_cast<double>(values[1]),
                              static_cast<double>(values[2]), static_cast<double>(values[3])};
    redrawView(tiling_, shell_);
    closed = true;
}

}  // namespace rho

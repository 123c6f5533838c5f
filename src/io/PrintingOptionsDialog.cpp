#include "io/PrintingOptionsDialog.h"

#include "edit/DecimalText.h"
#include "tiling/Tiling.h"

namespace rho {

PrintingOptionsDialog::PrintingOptionsDialog(Tiling& tiling) : tiling_(tiling) { FormCreate(); }

void PrintingOptionsDialog::FormCreate() {
    printBoundingBox = tiling_.printBoundingBox == 1;
    printColor = tiling_.printColor == 1;
    frameWidthText = std::to_string(tiling_.frameLineWidth);
    shapeWidthText = std::to_string(tiling_.shapeLineWidth);
}

void PrintingOptionsDialog::Button1Click() {
    tiling_.printBoundingBox = printBoundingBox ? 1 : 0;
    tiling_.printColor = printColor ? 1 : 0;
    // A width that does not parse keeps the one in force.
    scanDecimalInt(frameWidthText, tiling_.frameLineWidth);
    scanDecimalInt(shapeWidthText, tiling_.shapeLineWidth);
    closed = true;
}

void PrintingOptionsDialog::Button2Click() { closed = true; }

}  // namespace rho

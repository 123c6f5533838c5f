#pragma once
// The logic of the quasitiler dialog (TForm6) without a window.

#include "generate/RadiusDialog.h"

namespace rho {

class QuasitilerDialog : public RadiusDialog {
public:
    static constexpr const char* kCaption = "rho 2.0 - QuasiTiler";
    static constexpr const char* kThanksText =
        "to N. G. de Bruijn, whose pentagrid turns five families of parallel lines "
        "into a Penrose rhomb tiling: every crossing of two lines is one rhomb.";

    // "do it" runs the quasitiler.
    QuasitilerDialog(Tiling& tiling, Shell& shell);
};

}  // namespace rho

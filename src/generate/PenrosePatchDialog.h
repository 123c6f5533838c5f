#pragma once
// The logic of the penrose patch dialog without a window: the quasitiler
// dialog's texts and buttons with its own caption and credit, so one Qt
// form serves both.

#include "generate/RadiusDialog.h"

namespace rho {

class PenrosePatchDialog : public RadiusDialog {
public:
    static constexpr const char* kCaption = "rho 2.0 - Penrose patch";
    static constexpr const char* kThanksText =
        "to N. G. de Bruijn, whose pentagrid with offsets summing to zero gives "
        "Penrose's own rhomb tiling, and to R. Penrose for its matching rules.";

    // "do it" generates a true Penrose patch.
    PenrosePatchDialog(Tiling& tiling, Shell& shell);
};

}  // namespace rho

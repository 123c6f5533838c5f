#pragma once
// The logic of the penrose patch dialog without a window: the edit field's
// text, the two buttons and whether the dialog has closed. It has the very
// members and texts of the quasitiler dialog's logic but its own caption and
// credit, so one Qt form serves both.

#include <string>

#include "edit/DecimalText.h"

namespace rho {

struct Tiling;
class Shell;

class PenrosePatchDialog {
public:
    static constexpr const char* kCaption = "rho 2.0 - Penrose patch";
    static constexpr const char* kSizeGroup = "size of pattern";
    static constexpr const char* kRadiusLabel = "maximum radius 5..50";
    static constexpr const char* kDoItButton = "do it";
    static constexpr const char* kCancelButton = "cancel";
    static constexpr const char* kThanksGroup = "Special thanks";
    static constexpr const char* kThanksText =
        "to N. G. de Bruijn, whose pentagrid with offsets summing to zero gives "
        "Penrose's own rhomb tiling, and to R. Penrose for its matching rules.";
    static constexpr const char* kRangeMessage = "An integer number is required between 5 and 50";
    static constexpr int kUpDownMinimum = 0;

    // Runs FormCreate.
    PenrosePatchDialog(Tiling& tiling, Shell& shell);

    // Puts the default radius "10" into the edit field.
    void FormCreate();
    // "do it": generates and closes for a radius of 5..50, otherwise shows
    // the range message and stays open.
    void Button1Click();
    // "cancel": closes without generating.
    void Button2Click();

    std::string editText;
    bool closed = false;

private:
    Tiling& tiling_;
    Shell& shell_;
};

}  // namespace rho

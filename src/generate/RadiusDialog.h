#pragma once
// The logic shared by the dialogs that generate a patch of a given radius
// (the quasitiler's and the penrose patch's) without a window: the edit
// field's text, the two buttons and whether the dialog has closed. The Qt
// form shows these texts and forwards its buttons here; each dialog adds
// its own caption and credit.

#include <string>

#include "edit/DecimalText.h"

namespace rho {

struct Tiling;
class Shell;

class RadiusDialog {
public:
    static constexpr const char* kSizeGroup = "size of pattern";
    static constexpr const char* kRadiusLabel = "maximum radius 5..50";
    static constexpr const char* kDoItButton = "do it";
    static constexpr const char* kCancelButton = "cancel";
    static constexpr const char* kThanksGroup = "Special thanks";
    static constexpr const char* kRangeMessage = "An integer number is required between 5 and 50";
    static constexpr int kUpDownMinimum = 0;
    static constexpr int kMinRadius = 5;
    static constexpr int kMaxRadius = 50;

    using Generator = void (*)(Tiling&, Shell&, int radius);

    // Runs FormCreate.
    RadiusDialog(Tiling& tiling, Shell& shell, Generator generate);

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
    Generator generate_;
};

}  // namespace rho

#pragma once
// The logic of the bounding-box dialog (TForm3) without a window: the four
// edit fields, the "keep printing area's ratio" check box, the two buttons
// and whether the dialog has closed. The Qt dialog shows these and forwards
// its controls here.

#include <string>

namespace rho {

struct Tiling;
class Shell;

class BoundingBoxDialog {
public:
    static constexpr const char* kCaption = "rho 2.0 bounding box";
    static constexpr const char* kCornerLabel = "upper left corner:";
    // A doubled ampersand shows as one on a label.
    static constexpr const char* kSizeLabel = "width && height:";
    static constexpr const char* kRatioCheckBox = "keep printing area's ratio";
    static constexpr const char* kCancelButton = "cancel";
    static constexpr const char* kAcceptButton = "accept";
    static constexpr const char* kRangeMessage = "Integer numbers between -10000 and 10000 are excepted";
    static constexpr int kUpDownMinimum = -10000;
    static constexpr int kUpDownMaximum = 10000;

    // Runs FormShow.
    BoundingBoxDialog(Tiling& tiling, Shell& shell);

    // Fills the fields from the bounding box (truncated) and the check box
    // from the ratio mode: ticked for 1, unticked for 0, disabled for 2.
    void FormShow();
    // The check box was ticked or unticked: ratio mode 1 or 0, at once.
    void CheckBox1Click(bool checked);
    // "cancel": closes; nothing else changes.
    void Button1Click();
    // "accept": takes the four numbers and closes, or shows the range
    // message and stays open when one of them does not parse.
    void Button2Click();

    // Edit1..Edit4: x, y, w, h.
    std::string editText[4];
    bool checkBoxChecked = false;
    bool checkBoxEnabled = true;
    bool closed = false;

private:
    Tiling& tiling_;
    Shell& shell_;
};

}  // namespace rho

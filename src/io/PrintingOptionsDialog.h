#pragma once
// The logic of the printing options dialog (TForm5) without a window: the
// two check boxes, the two line-width fields, the buttons and whether the
// dialog has closed. The Qt dialog shows these and forwards its buttons.

#include <string>

namespace rho {

struct Tiling;

class PrintingOptionsDialog {
public:
    static constexpr const char* kCaption = "rho 2.0 - printing options";
    static constexpr const char* kFrameGroup = "bounding box";
    static constexpr const char* kFrameCheckBox = "print bounding box";
    static constexpr const char* kShapeGroup = "shape prints";
    static constexpr const char* kColorCheckBox = "print color";
    static constexpr const char* kLineWidthLabel = "line width";
    static constexpr const char* kAcceptButton = "accept";
    static constexpr const char* kCancelButton = "cancel";
    static constexpr int kUpDownMinimum = 0;
    static constexpr int kUpDownMaximum = 100;

    // Runs FormCreate.
    explicit PrintingOptionsDialog(Tiling& tiling);

    // The check boxes and fields show the tiling's printing options.
    void FormCreate();
    // "accept": takes the check boxes and every line width that parses, and closes.
    void Button1Click();
    // "cancel": closes; nothing changes.
    void Button2Click();

    bool printBoundingBox = true;
    bool printColor = false;
    std::string frameWidthText;
    std::string shapeWidthText;
    bool closed = false;

private:
    Tiling& tiling_;
};

}  // namespace rho

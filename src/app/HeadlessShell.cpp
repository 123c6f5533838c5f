#include "app/HeadlessShell.h"

#include "app/QtBitmap.h"

namespace rho {

namespace {

// A bitmap saved in the shell's chosen format.
class FormatBitmap : public QtBitmap {
public:
    FormatBitmap(int w, int h, std::string format) : QtBitmap(w, h), format_(std::move(format)) {}
    bool saveBmp(const std::string& path) override { return saveAs(path, format_.c_str()); }

private:
    std::string format_;
};

}  // namespace

Answer HeadlessShell::messageBox(const std::string& text, Buttons buttons) {
    messages.push_back(text);
    // Questions about unsaved work never arise here; answer so that nothing is discarded.
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

Color HeadlessShell::systemColor(SystemColor which) const {
    switch (which) {
    case SystemColor::Window: return 0xffffff;
    case SystemColor::ButtonShadow: return 0x808080;
    case SystemColor::ButtonHighlight: return 0xffffff;
    case SystemColor::ButtonFace: break;
    }
    return 0xc8d0d4;  // (212, 208, 200)
}

std::unique_ptr<OffscreenBitmap> HeadlessShell::createBitmap(int width, int height) {
    return std::make_unique<FormatBitmap>(width, height, bitmapFormat);
}

}  // namespace rho

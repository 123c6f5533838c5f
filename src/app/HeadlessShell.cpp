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

std::unique_ptr<OffscreenBitmap> HeadlessShell::createBitmap(int width, int height) {
    return std::make_unique<FormatBitmap>(width, height, bitmapFormat);
}

}  // namespace rho

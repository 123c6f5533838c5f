#include "app/HeadlessShell.h"

#include "app/QtBitmap.h"

namespace rho {

namespace {

// A bitmap encoded in the shell's chosen format.
class FormatBitmap : public QtBitmap {
public:
    FormatBitmap(int w, int h, std::string format) : QtBitmap(w, h), format_(std::move(format)) {}
    bool encode(std::string& bytes) override { return encodeAs(bytes, format_.c_str()); }

private:
    std::string format_;
};

}  // namespace

std::unique_ptr<OffscreenBitmap> HeadlessShell::createBitmap(int width, int height) {
    return std::make_unique<FormatBitmap>(width, height, bitmapFormat);
}

}  // namespace rho

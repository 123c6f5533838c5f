#pragma once
// An offscreen bitmap over a QImage, saved as a 24-bit Windows bitmap or
// in any format Qt writes.

#include <QImage>
#include <string>

#include "app/QtSurface.h"
#include "tiling/Shell.h"

namespace rho {

class QtBitmap : public OffscreenBitmap {
public:
    QtBitmap(int width, int height);
    Surface& surface() override { return surface_; }
    bool saveBmp(const std::string& path) override;
    // Saves in the format Qt takes from `format` ("BMP", "PNG"), all or nothing.
    bool saveAs(const std::string& path, const char* format);
    const QImage& image();

private:
    QImage image_;
    QtSurface surface_;
};

}  // namespace rho

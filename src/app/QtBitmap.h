#pragma once
// An offscreen bitmap over a QImage, encoded as a 24-bit Windows bitmap or
// in any format Qt writes. The bytes are kept in memory; the caller saves
// them, so Qt never sees the file's name.

#include <QImage>
#include <string>

#include "app/QtSurface.h"
#include "tiling/Shell.h"

namespace rho {

class QtBitmap : public OffscreenBitmap {
public:
    QtBitmap(int width, int height);
    Surface& surface() override { return surface_; }
    bool encode(std::string& bytes) override;
    // Encodes in the format Qt takes from `format` ("BMP", "PNG").
    bool encodeAs(std::string& bytes, const char* format);
    const QImage& image();

private:
    QImage image_;
    QtSurface surface_;
};

}  // namespace rho

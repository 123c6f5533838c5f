#pragma once
// A surface that draws nothing: for commands run without a window.

#include "render/Surface.h"

namespace rho {

class NullSurface : public Surface {
public:
    NullSurface(int width = 1, int height = 1) : width_(width), height_(height) {}
    void setStrokeColor(Color) override {}
    void setStrokeWidth(int) override {}
    void setStrokeMode(StrokeMode) override {}
    void setBrushColor(Color) override {}
    void setBrushStyle(BrushStyle) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void polygon(const PixelPoint*, int) override {}
    void rectangle(int, int, int, int) override {}
    Color pixel(int, int) const override { return 0; }
    void setPixel(int, int, Color) override {}
    void floodFill(int, int, Color) override {}
    void setClipRect(int, int, int, int) override {}
    void clearClip() override {}
    int width() const override { return width_; }
    int height() const override { return height_; }

private:
    int width_;
    int height_;
};

}  // namespace rho

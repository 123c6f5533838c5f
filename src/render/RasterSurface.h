#pragma once
// A drawing surface over pixels in memory, drawn by the core's rasterizer:
// one-pixel strokes only, no windowing system. For commands and checks that
// need real pixels without a GUI layer (fuzzing, headless pictures).

#include <cstdint>
#include <vector>

#include "render/PixelRaster.h"
#include "render/Surface.h"

namespace rho {

class RasterSurface : public Surface {
public:
    RasterSurface(int width, int height);

    void setStrokeColor(Color color) override { pen_.color = toPixel(color); }
    void setStrokeWidth(int) override {}
    void setStrokeMode(StrokeMode mode) override { pen_.notXor = mode == StrokeMode::NotXor; }
    void setBrushColor(Color color) override { brush_ = {BrushStyle::Solid, toPixel(color)}; }
    void setBrushStyle(BrushStyle style) override { brush_.style = style; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(const PixelPoint* points, int count) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

    Color pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override;
    void floodFill(int x, int y, Color fill) override;

    void setClipRect(int left, int top, int right, int bottom) override;
    void clearClip() override;

    int width() const override { return buffer_.width; }
    int height() const override { return buffer_.height; }

    const std::vector<uint32_t>& pixels() const { return pixels_; }

private:
    // Colours are 0x00BBGGRR outside, 0xAARRGGBB words inside.
    static uint32_t toPixel(Color c) {
        return 0xff000000u | ((c & 0xffu) << 16) | (c & 0xff00u) | ((c >> 16) & 0xffu);
    }
    static Color fromPixel(uint32_t p) { return ((p >> 16) & 0xffu) | (p & 0xff00u) | ((p & 0xffu) << 16); }
    bool inClip(int x, int y) const;

    std::vector<uint32_t> pixels_;
    PixelBuffer buffer_;
    RasterPen pen_{0xff000000u, false};
    RasterBrush brush_{BrushStyle::Solid, 0xffffffffu};
    int penX_ = 0, penY_ = 0;
};

}  // namespace rho

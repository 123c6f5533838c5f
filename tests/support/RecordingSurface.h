#pragma once
// A Surface that records the drawing calls it receives, for tests without
// pixels.

#include <string>
#include <vector>

#include "render/Surface.h"

namespace rho::test {

struct DrawCall {
    std::string op;  // "polygon", "rectangle", "line"
    std::vector<PixelPoint> points;
    Color stroke = 0;
    StrokeMode strokeMode = StrokeMode::Copy;
    Color brush = 0;
    BrushStyle brushStyle = BrushStyle::Solid;
};

class RecordingSurface : public Surface {
public:
    RecordingSurface(int w = 583, int h = 415) : w_(w), h_(h) {}

    std::vector<DrawCall> calls;
    int count(const std::string& op) const;

    void setStrokeColor(Color c) override { stroke_ = c; }
    void setStrokeWidth(int) override {}
    void setStrokeMode(StrokeMode m) override { mode_ = m; }
    void setBrushColor(Color c) override {
        brush_ = c;
        style_ = BrushStyle::Solid;
    }
    void setBrushStyle(BrushStyle s) override { style_ = s; }
    void moveTo(int x, int y) override { pen_ = {x, y}; }
    void lineTo(int x, int y) override;
    void polygon(const PixelPoint* points, int n) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    Color pixel(int, int) const override { return 0; }
    void setPixel(int, int, Color) override {}
    void floodFill(int, int, Color) override {}
    void setClipRect(int, int, int, int) override {}
    void clearClip() override {}
    int width() const override { return w_; }
    int height() const override { return h_; }

private:
    DrawCall make(const std::string& op) const { return {op, {}, stroke_, mode_, brush_, style_}; }
    int w_, h_;
    Color stroke_ = 0;
    StrokeMode mode_ = StrokeMode::Copy;
    Color brush_ = 0xffffff;
    BrushStyle style_ = BrushStyle::Solid;
    PixelPoint pen_;
};

}  // namespace rho::test

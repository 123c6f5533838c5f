#include "io/PrintRaster.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/MatrixStack.h"
#include "io/Printer.h"
#include "render/Renderer.h"
#include "render/Surface.h"
#include "tiling/Shell.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr Color kWhite = 0xffffff;

// Page pixels are held within 2^24 of the page (the view's pixel
// conversion), so shifted coordinates are kept in an int with room to spare.
int shifted(int v, int by) {
    const long long s = static_cast<long long>(v) - by;
    return static_cast<int>(std::clamp(s, -(1LL << 30), 1LL << 30));
}

// A band of the page: page coordinates in, the band's raster behind. It
// reports the page's size and clip rectangle, so that drawing which tests
// its end points against the clip (antialiased lines) decides as it would
// on a whole page; pixels outside the band read white and take no writes,
// and since every pixel's colour depends only on what is drawn over that
// pixel, the band's pixels come out as those of a whole page.
class BandSurface final : public Surface {
public:
    BandSurface(Surface& band, int left, int top, int pageWidth, int pageHeight)
        : band_(band), left_(left), top_(top), pageWidth_(pageWidth), pageHeight_(pageHeight) {
        clearClip();
    }

    void setStrokeColor(Color color) override { band_.setStrokeColor(color); }
    void setStrokeWidth(int width) override { band_.setStrokeWidth(width); }
    void setStrokeMode(StrokeMode mode) override { band_.setStrokeMode(mode); }
    void setBrushColor(Color color) override { band_.setBrushColor(color); }
    void setBrushStyle(BrushStyle style) override { band_.setBrushStyle(style); }

    void moveTo(int x, int y) override { band_.moveTo(shifted(x, left_), shifted(y, top_)); }
    void lineTo(int x, int y) override { band_.lineTo(shifted(x, left_), shifted(y, top_)); }
    void polygon(const PixelPoint* points, int count) override {
        if (count <= 0) return;
        moved_.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) moved_[i] = {shifted(points[i].x, left_), shifted(points[i].y, top_)};
        band_.polygon(moved_.data(), count);
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        band_.rectangle(shifted(x1, left_), shifted(y1, top_), shifted(x2, left_), shifted(y2, top_));
    }

    Color pixel(int x, int y) const override {
        return inBand(x, y) ? band_.pixel(x - left_, y - top_) : kWhite;
    }
    void setPixel(int x, int y, Color color) override {
        if (inBand(x, y) && inClip(x, y)) band_.setPixel(x - left_, y - top_, color);
    }
    // Fills within the band only; printing never floods.
    void floodFill(int x, int y, Color fill) override {
        if (inBand(x, y) && inClip(x, y)) band_.floodFill(x - left_, y - top_, fill);
    }

    void setClipRect(int left, int top, int right, int bottom) override {
        clip_ = {nullptr, 0, std::max(left, 0), std::max(top, 0), std::min(right, pageWidth_),
                 std::min(bottom, pageHeight_)};
        band_.setClipRect(shifted(left, left_), shifted(top, top_), shifted(right, left_), shifted(bottom, top_));
    }
    void clearClip() override {
        clip_ = {nullptr, 0, 0, 0, pageWidth_, pageHeight_};
        band_.clearClip();
    }

    int width() const override { return pageWidth_; }
    int height() const override { return pageHeight_; }
    PixelRows pixelRows() override { return clip_; }

private:
    bool inBand(int x, int y) const {
        return x >= left_ && y >= top_ && x - left_ < band_.width() && y - top_ < band_.height();
    }
    bool inClip(int x, int y) const {
        return x >= clip_.clipLeft && x < clip_.clipRight && y >= clip_.clipTop && y < clip_.clipBottom;
    }

    Surface& band_;
    int left_, top_, pageWidth_, pageHeight_;
    PixelRows clip_;
    std::vector<PixelPoint> moved_;
};

// Page pixels [left, right) x [top, bottom).
struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
};

// The world distance from a shape's centre within which everything its kind
// draws lies: the rhomb's corners and, shown as a set, the points of its
// drawing (a decoration is not held inside its rhomb).
double reachOf(const Tiling& t, int kind) {
    double reach = 0.0;
    for (const Point2& c : templateFor(t, kind).corners) reach = std::max(reach, std::hypot(c.x, c.y));
    if (t.decoration != 1) return reach;
    const SetDrawing& d = kind == 0 ? t.set.small : t.set.large;
    for (int j = 0; j < std::clamp(d.count, 0, kSetDrawingObjects); ++j) {
        const SetObject& o = d.objects[j];
        if (o.objectKind < 0 || o.objectKind > 2) continue;
        const int last = o.objectKind == 0 ? 1 : std::clamp(o.lastPoint, 0, kSetObjectPoints - 1);
        for (int k = 0; k <= last; ++k) {
            const double r = std::hypot(o.points[k].x, o.points[k].y);
            reach = std::isnan(r) ? HUGE_VAL : std::max(reach, r);
        }
    }
    return reach;
}

// The page pixels a shape can change: its centre's page point, give or take
// its reach at the page's scale and a margin for the pixel conversions, the
// antialiased dots (which reach three pixels from their point) and wide
// strokes with their mitred corners.
Area areaOf(const TileShape& s, double reachPixels, int pageWidth, int pageHeight) {
    double cx = 0.0, cy = 0.0;
    matrixStack().transformPoint(s.x, s.y, cx, cy);
    auto span = [reachPixels](double c, int size, int& lo, int& hi) {
        const double a = std::floor(c - reachPixels), b = std::ceil(c + reachPixels) + 1.0;
        // Non-finite values land at the page's whole span: nothing is lost.
        lo = a > 0.0 ? (a < size ? static_cast<int>(a) : size) : 0;
        hi = b < size ? (b > 0.0 ? static_cast<int>(b) : 0) : size;
        if (std::isnan(a) || std::isnan(b)) lo = 0, hi = size;
    };
    Area area;
    span(cx, pageWidth, area.left, area.right);
    span(cy, pageHeight, area.top, area.bottom);
    return area;
}

}  // namespace

bool printShapesInRasters(const Tiling& t, Shell& shell, Printer& printer, int pageWidth, int pageHeight,
                          double scale, int mode) {
    const double margin = 4.0 + 2.0 * std::abs(static_cast<double>(t.shapeLineWidth));
    const double reach[2] = {scale * reachOf(t, 0) + margin, scale * reachOf(t, 1) + margin};
    auto areaOfShape = [&](const TileShape& s) {
        return areaOf(s, reach[s.kind == 0 ? 0 : 1], pageWidth, pageHeight);
    };

    // Only the part of the page that some shape can reach is rasterised.
    Area picture{pageWidth, pageHeight, 0, 0};
    for (int i = 0; i <= t.shapeLast; ++i) {
        const Area a = areaOfShape(t.shapes[i]);
        if (a.empty()) continue;
        picture = {std::min(picture.left, a.left), std::min(picture.top, a.top), std::max(picture.right, a.right),
                   std::max(picture.bottom, a.bottom)};
    }
    if (picture.empty()) return true;

    const int width = picture.right - picture.left;
    const long long rowsPerBand = std::clamp(printer.rasterLimit() / width, 1LL, 1LL << 30);
    const long long height = picture.bottom - picture.top;
    const long long bands = (height + rowsPerBand - 1) / rowsPerBand;
    const long long steps = bands * (t.shapeLast + 1LL);
    for (long long b = 0; b < bands; ++b) {
        const int top = static_cast<int>(picture.top + b * rowsPerBand);
        const int bottom = static_cast<int>(std::min<long long>(top + rowsPerBand, picture.bottom));
        Surface* raster = printer.beginRaster(width, bottom - top);
        if (!raster) return false;
        BandSurface band(*raster, picture.left, top, pageWidth, pageHeight);
        band.setStrokeWidth(t.shapeLineWidth);
        for (int i = 0; i <= t.shapeLast; ++i) {
            shell.setProgressPosition(static_cast<int>((b * (t.shapeLast + 1LL) + i) * t.shapeLast / steps));
            const Area a = areaOfShape(t.shapes[i]);
            if (a.empty() || a.bottom <= top || a.top >= bottom) continue;
            drawShape(t, shell, band, t.shapes[i], mode);
        }
        printer.endRaster(picture.left, top);
    }
    return true;
}

}  // namespace rho

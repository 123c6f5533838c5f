#include "app/QtSurface.h"

#include <QPoint>

#include <QPolygon>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "render/PixelRaster.h"

namespace rho {

QColor toQColor(Color c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

Color fromQRgb(QRgb rgb) {
    return static_cast<Color>(qRed(rgb)) | (static_cast<Color>(qGreen(rgb)) << 8) |
           (static_cast<Color>(qBlue(rgb)) << 16);
}

namespace {
QRgb toQRgb(Color c) { return qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }
}  // namespace

int bufferScale(qreal devicePixelRatio) {
    // A ratio a rounding error below a whole number counts as that number.
    const int whole = static_cast<int>(std::floor(devicePixelRatio + 1e-6));
    return std::clamp(whole, 1, 8);
}

QImage backBuffer(QSize size, int scale) {
    QImage image(std::max(size.width(), 1) * scale, std::max(size.height(), 1) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

QtSurface::QtSurface(QImage& image)
    : image_(image), scale_(std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())))) {}

QtSurface::QtSurface(QPaintDevice& device) : image_(noImage_), device_(&device) {}

QtSurface::~QtSurface() { flush(); }

QPainter& QtSurface::painter() {
    if (!painting_) {
        if (device_)
            painter_.begin(device_);
        else
            painter_.begin(&image_);
        if (painter_.isActive()) painter_.setRenderHint(QPainter::Antialiasing, false);
        painting_ = true;
        stateDirty_ = true;
    }
    if (stateDirty_ && painter_.isActive()) applyState();
    return painter_;
}

void QtSurface::applyState() {
    QPen pen(toQColor(strokeColor_));
    pen.setWidth(strokeWidth_ <= 1 ? 0 : strokeWidth_);  // 0: cosmetic one-pixel pen
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    switch (brushStyle_) {
    case BrushStyle::Solid: painter_.setBrush(QBrush(toQColor(brushColor_), Qt::SolidPattern)); break;
    case BrushStyle::Clear: painter_.setBrush(Qt::NoBrush); break;
    case BrushStyle::DiagonalCross: painter_.setBrush(QBrush(toQColor(brushColor_), Qt::DiagCrossPattern)); break;
    }
    painter_.setCompositionMode(strokeMode_ == StrokeMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                                  : QPainter::CompositionMode_SourceOver);
    if (clipped_)
        painter_.setClipRect(clip_);
    else
        painter_.setClipping(false);
    stateDirty_ = false;
}

bool QtSurface::begin() {
    painter();
    if (painter_.isActive()) return true;
    painting_ = false;
    return false;
}

bool QtSurface::flush() {
    if (!painting_) return true;
    painting_ = false;
    return painter_.end();
}

void QtSurface::setStrokeColor(Color color) {
    if (color != strokeColor_) stateDirty_ = true;
    strokeColor_ = color;
}

void QtSurface::setStrokeWidth(int width) {
    if (width != strokeWidth_) stateDirty_ = true;
    strokeWidth_ = width;
}

void QtSurface::setStrokeMode(StrokeMode mode) {
    if (mode != strokeMode_) stateDirty_ = true;
    strokeMode_ = mode;
}

void QtSurface::setBrushColor(Color color) {
    if (color != brushColor_ || brushStyle_ != BrushStyle::Solid) stateDirty_ = true;
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
}

void QtSurface::setBrushStyle(BrushStyle style) {
    if (style != brushStyle_) stateDirty_ = true;
    brushStyle_ = style;
}

void QtSurface::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

int QtSurface::device(int v) const {
    if (scale_ == 1) return v;
    // Coordinates reach the surface clamped to about 2^24; anything beyond
    // 2^30 is far outside every image and only has to stay there.
    const long long d = static_cast<long long>(v) * scale_;
    return static_cast<int>(std::clamp<long long>(d, -(1LL << 30), 1LL << 30));
}

QRect QtSurface::deviceArea() const {
    QRect area = image_.rect();
    if (clipped_)
        area &= QRect(QPoint(device(clip_.left()), device(clip_.top())),
                      QPoint(device(clip_.right() + 1) - 1, device(clip_.bottom() + 1) - 1));
    return area;
}

PixelBuffer QtSurface::buffer() {
    flush();
    PixelBuffer b;
    b.bits = reinterpret_cast<uint32_t*>(image_.bits());
    b.width = image_.width();
    b.height = image_.height();
    b.stride = static_cast<int>(image_.bytesPerLine() / 4);
    const QRect area = deviceArea();
    b.clipLeft = area.left();
    b.clipTop = area.top();
    b.clipRight = area.right() + 1;
    b.clipBottom = area.bottom() + 1;
    if (area.isEmpty()) b.clipRight = b.clipLeft;
    return b;
}

bool QtSurface::rasterizes() const { return !device_ && strokeWidth_ <= 1; }

void QtSurface::lineTo(int x, int y) {
    if (rasterizes()) {
        PixelBuffer b = buffer();
        rasterLine(b, device(penX_), device(penY_), device(x), device(y),
                   RasterPen{toQRgb(strokeColor_), strokeMode_ == StrokeMode::NotXor});
    } else {
        // The flat cap leaves out the end pixel, as the one-pixel lines do.
        painter().drawLine(penX_, penY_, x, y);
    }
    penX_ = x;
    penY_ = y;
}

void QtSurface::polygon(const PixelPoint* points, int count) {
    if (count <= 0) return;
    if (rasterizes()) {
        PixelBuffer b = buffer();
        PixelPoint scaled[32];
        std::vector<PixelPoint> scaledHeap;
        const PixelPoint* pts = points;
        if (scale_ > 1) {
            PixelPoint* out = scaled;
            if (count > 32) {
                scaledHeap.resize(static_cast<size_t>(count));
                out = scaledHeap.data();
            }
            for (int i = 0; i < count; ++i) out[i] = {device(points[i].x), device(points[i].y)};
            pts = out;
        }
        rasterPolygon(b, pts, count, RasterPen{toQRgb(strokeColor_), strokeMode_ == StrokeMode::NotXor},
                      RasterBrush{brushStyle_, toQRgb(brushColor_), strokeMode_ == StrokeMode::NotXor, scale_});
        return;
    }
    QPoint buffer[32];
    std::vector<QPoint> heap;
    QPoint* pts = buffer;
    if (count > 32) {
        heap.resize(static_cast<size_t>(count));
        pts = heap.data();
    }
    for (int i = 0; i < count; ++i) pts[i] = QPoint(points[i].x, points[i].y);
    painter().drawPolygon(pts, count);
}

void QtSurface::rectangle(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    const int right = std::max(x1, x2);
    const int bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1) return;
    if (rasterizes()) {
        PixelBuffer b = buffer();
        rasterRectangle(b, device(left), device(top), device(right), device(bottom),
                        RasterPen{toQRgb(strokeColor_), strokeMode_ == StrokeMode::NotXor},
                        RasterBrush{brushStyle_, toQRgb(brushColor_), strokeMode_ == StrokeMode::NotXor, scale_});
        return;
    }
    // A one-pixel pen outlines columns left..right-1 and rows top..bottom-1.
    painter().drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

Color QtSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y * scale_));
    return fromQRgb(line[x * scale_]);
}

void QtSurface::setPixel(int x, int y, Color color) {
    if (device_) {
        if (clipped_ && !clip_.contains(x, y)) return;
        QPainter& p = painter();
        p.setPen(toQColor(color));
        p.drawPoint(x, y);
        stateDirty_ = true;
        return;
    }
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    if (clipped_ && !clip_.contains(x, y)) return;
    flush();
    const QRgb value = toQRgb(color);
    for (int row = y * scale_; row < (y + 1) * scale_; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::fill(line + x * scale_, line + (x + 1) * scale_, value);
    }
}

void QtSurface::setLineEnd(int x, int y, Color color) {
    if (device_ || scale_ == 1) {
        setPixel(x, y, color);
        return;
    }
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    if (clipped_ && !clip_.contains(x, y)) return;
    flush();
    reinterpret_cast<QRgb*>(image_.scanLine(y * scale_))[x * scale_] = toQRgb(color);
}

void QtSurface::floodFill(int x, int y, Color fill) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    flush();
    const QRect area = deviceArea();
    x *= scale_;
    y *= scale_;
    if (!area.contains(x, y)) return;
    const QRgb target = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] | 0xff000000u;
    const QRgb replacement = toQRgb(fill);
    if (target == replacement) return;

    // One detach for the whole fill: scanLine() would check on every pixel.
    QRgb* const bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto at = [bits, stride](int px, int py) -> QRgb& { return bits[py * stride + px]; };
    auto matches = [&](int px, int py) { return (at(px, py) | 0xff000000u) == target; };

    // Scanline fill with an explicit stack of seeds: no recursion, so any
    // area size is safe.
    std::vector<QPoint> seeds;
    seeds.emplace_back(x, y);
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int py = seed.y();
        if (!matches(seed.x(), py)) continue;
        int left = seed.x();
        while (left > area.left() && matches(left - 1, py)) --left;
        int right = seed.x();
        while (right < area.right() && matches(right + 1, py)) ++right;
        for (int px = left; px <= right; ++px) at(px, py) = replacement;
        for (int ny : {py - 1, py + 1}) {
            if (ny < area.top() || ny > area.bottom()) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool m = matches(px, ny);
                if (m && !inRun) seeds.emplace_back(px, ny);
                inRun = m;
            }
        }
    }
}

void QtSurface::setClipRect(int left, int top, int right, int bottom) {
    clipped_ = true;
    clip_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    stateDirty_ = true;
}

void QtSurface::clearClip() {
    clipped_ = false;
    stateDirty_ = true;
}

void QtSurface::drawImage(int x, int y, const QImage& picture) {
    QPainter& p = painter();
    if (!p.isActive()) return;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::LosslessImageRendering);
    p.drawImage(QPoint(x, y), picture);
    p.restore();
}

int QtSurface::width() const { return device_ ? device_->width() : image_.width() / scale_; }
int QtSurface::height() const { return device_ ? device_->height() : image_.height() / scale_; }

PixelRows QtSurface::pixelRows() {
    const PixelBuffer b = buffer();
    return PixelRows{b.bits, b.stride, b.clipLeft, b.clipTop, b.clipRight, b.clipBottom, scale_};
}

}  // namespace rho

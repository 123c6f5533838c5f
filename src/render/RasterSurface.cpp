#include "render/RasterSurface.h"

#include <algorithm>
#include <utility>

namespace rho {

RasterSurface::RasterSurface(int width, int height)
    : pixels_(static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)), 0xffffffffu) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    buffer_ = PixelBuffer{pixels_.data(), width, height, width, 0, 0, width, height};
}

void RasterSurface::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void RasterSurface::lineTo(int x, int y) {
    rasterLine(buffer_, penX_, penY_, x, y, pen_);
    penX_ = x;
    penY_ = y;
}

void RasterSurface::polygon(const PixelPoint* points, int count) { rasterPolygon(buffer_, points, count, pen_, brush_); }

void RasterSurface::rectangle(int x1, int y1, int x2, int y2) {
    rasterRectangle(buffer_, x1, y1, x2, y2, pen_, brush_);
}

bool RasterSurface::inClip(int x, int y) const {
    return x >= buffer_.clipLeft && x < buffer_.clipRight && y >= buffer_.clipTop && y < buffer_.clipBottom;
}

Color RasterSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= buffer_.width || y >= buffer_.height) return 0;
    return fromPixel(pixels_[static_cast<size_t>(y) * static_cast<size_t>(buffer_.stride) + static_cast<size_t>(x)]);
}

void RasterSurface::setPixel(int x, int y, Color color) {
    if (!inClip(x, y)) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(buffer_.stride) + static_cast<size_t>(x)] = toPixel(color);
}

void RasterSurface::floodFill(int x, int y, Color fill) {
    if (!inClip(x, y)) return;
    const size_t stride = static_cast<size_t>(buffer_.stride);
    auto at = [&](int px, int py) -> uint32_t& { return pixels_[static_cast<size_t>(py) * stride + static_cast<size_t>(px)]; };
    const uint32_t target = at(x, y);
    const uint32_t replacement = toPixel(fill);
    if (target == replacement) return;
    // An explicit stack of seeds: no recursion, so any area size is safe.
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (at(sx, sy) != target) continue;
        int left = sx, right = sx;
        while (left > buffer_.clipLeft && at(left - 1, sy) == target) --left;
        while (right + 1 < buffer_.clipRight && at(right + 1, sy) == target) ++right;
        for (int px = left; px <= right; ++px) {
            at(px, sy) = replacement;
            if (sy > buffer_.clipTop && at(px, sy - 1) == target) seeds.emplace_back(px, sy - 1);
            if (sy + 1 < buffer_.clipBottom && at(px, sy + 1) == target) seeds.emplace_back(px, sy + 1);
        }
    }
}

void RasterSurface::setClipRect(int left, int top, int right, int bottom) {
    buffer_.clipLeft = std::clamp(left, 0, buffer_.width);
    buffer_.clipTop = std::clamp(top, 0, buffer_.height);
    buffer_.clipRight = std::clamp(right, buffer_.clipLeft, buffer_.width);
    buffer_.clipBottom = std::clamp(bottom, buffer_.clipTop, buffer_.height);
}

void RasterSurface::clearClip() { setClipRect(0, 0, buffer_.width, buffer_.height); }

}  // namespace rho

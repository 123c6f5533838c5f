#pragma once
// The corner pixels of many shapes under one view, worked out without a
// matrix product per shape but with the very same arithmetic as the
// transform stack: push, translate(x, y), rotateZ(36 angle), transformPoint,
// pop. With a view that only scales and moves (the main window's and the
// bitmap export's), the rotated template terms of each kind and angle are
// the same for every shape, so they are summed once; per shape only the
// translation is left. Shapes or views outside that form take the stack.

#include "render/Surface.h"
#include "tiling/Records.h"

namespace rho {

struct Tiling;

class CornerPixels {
public:
    // Reads the current matrix of the transform stack.
    explicit CornerPixels(const Tiling& t);

    // Corner pixels P0..P3 of the shape, truncated toward zero, and P4 = P0.
    void corners(const TileShape& s, PixelPoint out[5]) const;

private:
    const Tiling& tiling_;
    bool fast_ = false;
    long double scaleX_ = 0, scaleY_ = 0, originX_ = 0, originY_ = 0;
    // The sums of the point transform before its translation term, per
    // kind, angle and corner.
    long double termX_[2][10][4] = {};
    long double termY_[2][10][4] = {};
};

// The same corners through the transform stack itself.
void cornerPixelsByStack(const Tiling& t, const TileShape& s, PixelPoint out[5]);

}  // namespace rho

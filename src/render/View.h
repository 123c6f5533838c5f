#pragma once
// The view: zoom and origin that map world coordinates to window pixels,
// the "view" menu commands, resizing, window-to-world conversion and the
// two region-selection commands.

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

// Zoom-out factor: an extended constant just above 5/6.
constexpr long double kZoomOutFactor = 0.8333333333333333642L;

// Current matrix := translate(view origin) x scale(zoom).
void applyView(const Tiling& t);

// World point under window pixel (mx, my); the current matrix is unchanged.
Point2 windowToWorld(const Tiling& t, int mx, int my);

// Window pixel of a world point under the current matrix, truncated toward zero.
struct Pixel {
    int x = 0;
    int y = 0;
};
Pixel worldToPixel(double x, double y);
// The bound that pixel coordinates are held within: far outside any
// surface, and small enough that no difference of two overflows an int.
constexpr double kPixelLimit = 16777216.0;  // 2^24
// A window coordinate to a pixel: truncated toward zero, held within +-kPixelLimit.
int toPixel(double v);

void zoomin1Click(Tiling& t, Shell& shell);
void zoomout1Click(Tiling& t, Shell& shell);
void zoomto111Click(Tiling& t, Shell& shell);
void N411Click(Tiling& t, Shell& shell);
void N311Click(Tiling& t, Shell& shell);
void N211Click(Tiling& t, Shell& shell);
void N111Click(Tiling& t, Shell& shell);
void N121Click(Tiling& t, Shell& shell);
void N131Click(Tiling& t, Shell& shell);
void N141Click(Tiling& t, Shell& shell);
void recentre1Click(Tiling& t, Shell& shell);
void redraw1Click(Tiling& t, Shell& shell);
// The view's client area changed to the shell's current client size; the
// world point at the centre stays at the centre.
void FormResize(Tiling& t, Shell& shell);
void FormPaint(Tiling& t, Shell& shell);

// Select every unselected shape with a corner pixel inside the window, or
// inside the bounding box's pixel rectangle.
void visibleshapes1Click(Tiling& t, Shell& shell);
void insideboundingbox1Click(Tiling& t, Shell& shell);

}  // namespace rho

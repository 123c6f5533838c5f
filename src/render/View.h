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

// The zoom never leaves [kMinZoom, kMaxZoom]: at 1/1024 the window shows
// more than a million world units, at 1024 a rhomb's side is 40960 pixels
// and the file's six decimals are finer than a pixel. Within the range
// every world point under a window pixel, and the view origin, stay finite.
constexpr double kMinZoom = 1.0 / 1024.0;
constexpr double kMaxZoom = 1024.0;

// `next` when it lies within the zoom range, otherwise `current`: a zoom
// step that would leave the range is not taken, so the zoom stays on the
// steps of the commands and a step in and a step out still cancel.
double boundedZoom(double current, double next);

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
// Mouse wheel: `notches` steps of "zoom in" (positive) or "zoom out"
// (negative) about window pixel (px, py); the world point under that pixel
// stays under it. Ignored while a tool drags (the captured flag is 1).
void wheelZoom(Tiling& t, Shell& shell, int notches, int px, int py);
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

#pragma once
// The tiling renderer: full repaint of the view, single shapes in the four
// draw modes, and the origin and bounding-box overlays.

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;
class Surface;
class CornerPixels;

enum DrawMode : int {
    kPreview = 0,  // not-xor outline: drawing twice restores the pixels
    kNormal = 1,
    kErase = 2,
    kOutline = 3,
};

// Repaints the whole view: background, every shape, the floating shape
// while one exists, then the overlays.
void redrawView(const Tiling& t, Shell& shell);

// Draws one shape on `surface` through the current matrix, then the
// overlays on the view. Leaves the stroke black in copy mode and the brush
// white and solid.
void drawShape(const Tiling& t, Shell& shell, Surface& surface, TileShape shape, int mode);

// The shape's body and its outline over a decoration, without the
// overlays. When `cullWidth` and `cullHeight` are positive, a plain rhomb
// lying wholly outside that rectangle is skipped (same pixels, less work).
// A mapper made for the current matrix gives the same corner pixels as the
// transform stack, faster, when many shapes are drawn.
void drawShapeBody(const Tiling& t, Surface& surface, const TileShape& shape, int mode, int cullWidth = 0,
                   int cullHeight = 0, const CornerPixels* mapper = nullptr);

void drawOrigin(const Tiling& t, Shell& shell);
void drawBoundingBox(const Tiling& t, Shell& shell);

}  // namespace rho

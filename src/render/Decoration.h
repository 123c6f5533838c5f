#pragma once
// The decoration renderer: draws a shape kind's set drawing through the
// current matrix, with the surface's own strokes (plain path) or with grey
// antialiased lines of its own making on white (antialiased path).

#include "tiling/Records.h"
#include "tiling/SetDesign.h"

namespace rho {

struct Tiling;
class Surface;
class MatrixStack;

// The drawing a shape of this kind shows: the small one for kind 0, the
// large one otherwise.
const SetDrawing& decorationFor(const SetDesign& set, int32_t kind);

// Multiplies the current matrix by the shape's own frame (the move to its
// centre, then its turn by angle x 36 degrees), after which transformPoint
// carries a set point onto the shape, as it does a template corner.
void applyShapeFrame(MatrixStack& ms, const TileShape& shape);

// Runs the antialiased path when the tiling's antialiased-lines flag is 1,
// the plain path otherwise.
void drawDecoration(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode);

// Draws with the stroke and brush. Every segment includes both of its end
// pixels; in preview mode everything, end pixels included, is combined by
// not-xor, so that drawing twice restores the surface. Leaves the stroke and
// brush at the last object's colours (and not-xor after a preview).
void drawDecorationPlain(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode);

// Draws every line as an antialiased grey stroke, polygons white inside.
// Preview mode draws through the plain path (its not-xor drawing can be
// taken off again); erase mode paints white every pixel that the normal
// mode could have darkened, and the polygons' areas.
void drawDecorationAntialiased(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode);

// A segment between two real-valued surface points: dots of radius 2 at
// unit steps along the major axis from the first point on. Nothing is drawn
// when neither end's pixel lies in the clip rectangle.
void drawAntialiasedLine(Surface& surface, double x0, double y0, double x1, double y1);
// The same segment painting white where the line would darken.
void eraseAntialiasedLine(Surface& surface, double x0, double y0, double x1, double y1);

// Darkens the pixels around (x, y): grey 200 x distance from the point,
// written only where all three channels of the pixel are lighter.
void plotAntialiasedDot(Surface& surface, double x, double y, int r);

}  // namespace rho

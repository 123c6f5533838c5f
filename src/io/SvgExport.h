#pragma once
// The tiling as an SVG drawing: every rhomb a polygon in world units (y
// down, as on screen), filled with its palette colour and outlined in
// black; selected shapes carry a cross-hatch over the fill. The view box is
// the given rectangle.

#include <string>

#include "tiling/Records.h"

namespace rho {

struct Tiling;

std::string svgText(Tiling& t, const BoundingBox& box);

// Writes the drawing to `path`, in full or not at all. A box that is not
// finite or has no positive width and height is refused: false, no file.
bool writeSvg(Tiling& t, const BoundingBox& box, const std::string& path);

}  // namespace rho

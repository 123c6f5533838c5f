#pragma once
// The tiling as an SVG drawing: every rhomb a polygon in world units (y
// down, as on screen), filled with its palette colour and outlined in
// black; selected shapes carry a cross-hatch over the fill. The view box is
// the given rectangle.

#include <string>

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

std::string svgText(Tiling& t, const BoundingBox& box);

// Writes the drawing to `path`, in full or not at all; a failure shows
// "Can not create file" (when the file cannot be made) and "Error writing file".
// A box that is not finite or has no positive width and height is refused:
// false, no file, no message.
bool writeSvg(Tiling& t, Shell& shell, const BoundingBox& box, const std::string& path);

}  // namespace rho

#pragma once
// Lines and polygons in window coordinates (doubles that may lie anywhere,
// infinities included) cut to the square of +-kPixelLimit before their
// points become ints. Cutting keeps the direction of every line, so what
// shows on a surface is what the unbounded figure would show; holding each
// coordinate at the bound alone (toPixel) would bend a slanted line whose
// far end lies beyond the square. Figures wholly inside come out exactly
// as toPixel gives them.

#include <functional>
#include <vector>

#include "geometry/Primitives.h"
#include "render/Surface.h"

namespace rho {

// Cuts the segment a-b to the square, in place: an end outside moves along
// the line onto the square, an end inside stays exactly as it is. False when
// no part of it lies in the square or an end is not a number.
bool clipSegment(Point2& a, Point2& b);

// Cuts the segment a-b to the square and gives the pixels of its ends.
// False when no part of it lies in the square or an end is not a number.
// An end inside the square keeps its own pixel.
bool clippedSegmentPixels(Point2 a, Point2 b, PixelPoint& pa, PixelPoint& pb);

// The pixels of the closed polygon through `points` cut to the square, one
// side at a time (Sutherland-Hodgman). Cutting a closed curve against a
// side keeps its winding about every point inside, so the even-odd interior
// within the square is kept too; the edges it adds lie on the square, far
// outside any surface. Empty when nothing is left or a point is not a number.
std::vector<PixelPoint> clippedPolygonPixels(const Point2* points, int count);

// Moves to the first point and draws a line to each next one, every segment
// cut to the square; the pen jumps only where a cut left a gap. Points all
// inside give the very calls an uncut polyline would.
// `segmentEnd`, when given, is called with the end pixel of each segment
// drawn, right after its line.
void strokeClippedPolyline(Surface& surface, const Point2* points, int count,
                           const std::function<void(PixelPoint)>& segmentEnd = {});

}  // namespace rho

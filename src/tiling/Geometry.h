#pragma once
// Rhomb geometry: the two corner templates, a shape's world corners, the
// sectors each corner covers, proximity tests and picking.

#include <cstdint>

#include "tiling/Records.h"

namespace rho {

struct Tiling;

// 36 and 72 degrees in radians.
constexpr double kSmallAngleRad = 0.6283185307179586;
constexpr double kLargeAngleRad = 1.2566370614359172;
constexpr double kEdgeLength = 40.0;

// Fills both templates of the tiling.
void buildTemplates(Tiling& t);
ShapeTemplate makeTemplate(double acuteAngleRad);

// The template of a kind: 0 is the small shape, anything else the large one.
const ShapeTemplate& templateFor(const Tiling& t, int32_t kind);

// Writes the four world corners of `s` into the tiling's corner buffer and
// records s's centre there. The current transform is unchanged afterwards.
void computeCorners(Tiling& t, const TileShape& s);

// The ten sector bytes covered by corner j of a shape of the given kind and
// angle: 1 where covered, 0 elsewhere.
void cornerSectorPattern(int32_t kind, int32_t angle, int corner, uint8_t out[kSectors]);

// |ax - bx| < 10 and |ay - by| < 10.
bool nearWithin10(double ax, double ay, double bx, double by);
// |ax - bx| < 5 and |ay - by| < 5.
bool nearWithin5(double ax, double ay, double bx, double by);
// left < px < left + width and top < py < top + height.
bool pointInBox(int32_t px, int32_t py, int32_t left, int32_t top, int32_t width, int32_t height);

// The highest-index shape whose centre, mapped by the current transform, is
// near within 10 of the window point; -1 when none.
int pickShape(const Tiling& t, int32_t windowX, int32_t windowY);

}  // namespace rho

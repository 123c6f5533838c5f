#pragma once
// The document's rhomb templates, a shape's world corners and picking the
// shape under a window point.

#include <cstdint>

#include "tiling/Records.h"

namespace rho {

struct Tiling;

// Fills both templates of the tiling.
void buildTemplates(Tiling& t);

// The template of a kind: 0 is the small shape, anything else the large one.
const ShapeTemplate& templateFor(const Tiling& t, int32_t kind);

// Writes the four world corners of `s` into the tiling's corner buffer and
// records s's centre there. The current transform is unchanged afterwards.
void computeCorners(Tiling& t, const TileShape& s);

// The highest-index shape whose centre, mapped by the current transform, is
// near within 10 of the window point; -1 when none.
int pickShape(const Tiling& t, int32_t windowX, int32_t windowY);

}  // namespace rho

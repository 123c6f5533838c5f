#pragma once
// The contour: every corner point of the tiling that is not fully
// surrounded, with the ten 36-degree sectors around it marked covered or
// free. Kept up to date by placement and deletion; rebuilt on request.

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

// Computes s's corners and fills the corner scratch records with their
// positions and the sectors s covers there (byte 10 stays 0).
void buildCornerRecords(Tiling& t, const TileShape& s);

// Merges the shape whose records stand in the corner scratch. Returns 1
// when merged, 0 when refused (overlap, ambiguous point, or a full table);
// a refusal leaves the contour unchanged.
int mergeIntoContour(Tiling& t);

// Takes shape i out of the contour; the shape table is not touched.
void removeFromContour(Tiling& t, int shapeIndex);

// Moves points p+1..last down by one place.
void removePoint(Tiling& t, int pointIndex);

// Rebuilds the contour from the shape table. Refused shapes get their
// color negated and are drawn; one "Contur calculation failed" message
// follows when any was refused. Returns true when none was refused.
bool recalculateContour(Tiling& t, Shell& shell);

// "recalculate contour" in the tools menu.
void recalculatecontour1Click(Tiling& t, Shell& shell);

}  // namespace rho

#pragma once
// Forcing: at every boundary point, the corners that every star still
// possible there contains are added as shapes, again and again, until
// nothing more is forced.

namespace rho {

struct Tiling;

struct ForceResult {
    int forced = 0;         // shapes added
    int deadEnds = 0;       // boundary points no star contains, afterwards
    bool tableFull = false; // stopped because the shape or contour table was full
};

// Adds every forced shape, with colour 1, at the end of the shape table,
// merging each into the contour as placement does, so the contour stays
// exact. A point that no star contains (a dead end) forces nothing; a shape
// that would overlap what stands, or break a star or an arrow at any of its
// corners, is not placed. Stops when nothing more is forced or a table is
// full.
ForceResult forceShapes(Tiling& t);

}  // namespace rho

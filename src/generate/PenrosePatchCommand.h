#pragma once
// The penrose patch command: a true Penrose rhomb patch in place of the
// tiling, run like the quasitiler (status text, ordering, contour with its
// progress bar, redraw, modified flag).

namespace rho {

struct Tiling;
class Shell;

// Empties the shape table and fills it with the patch of this radius
// (5..50), orders the shapes, recalculates the contour, redraws and marks
// the document modified. A radius outside 5..50 leaves the tiling and the
// status line untouched.
void runPenrosePatch(Tiling& t, Shell& shell, int radius);

}  // namespace rho

#pragma once
// "recalculate contour": the contour rebuilt from the shape table with the
// status line, the progress bar and the refused shapes shown to the user.

namespace rho {

struct Tiling;
class Shell;

// Rebuilds the contour. Refused shapes get their color negated and are
// drawn; one "Contur calculation failed" message follows when any was
// refused or the table ran full. Returns true when nothing was refused.
bool recalculateContour(Tiling& t, Shell& shell);

// The same with the plain matching scan (the reference implementation).
bool recalculateContourLinear(Tiling& t, Shell& shell);

// "recalculate contour" in the tools menu.
void recalculatecontour1Click(Tiling& t, Shell& shell);

}  // namespace rho

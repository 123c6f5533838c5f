#pragma once
// The two display toggles of the tools menu: the origin cross and the
// bounding box over the view.

namespace rho {

struct Tiling;
class Shell;

// Flip the flag, show it as the item's check mark and repaint; ignored
// while the origo & bounding box tool is active (it keeps both on).
void displayorigin1Click(Tiling& t, Shell& shell);
void displayboundingbox1Click(Tiling& t, Shell& shell);

}  // namespace rho

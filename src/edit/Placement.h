#pragma once
// Placing shapes by hand: the floating shape that the user turns and drags
// before attaching it to the contour of the tiling.

#include <cstdint>

namespace rho {

struct Tiling;
class Shell;

// Makes (x, y, kind, angle) the floating shape, with color 1, and draws its
// outline. An earlier floating shape's outline is wiped first.
void startAdding(Tiling& t, Shell& shell, int x, int y, int32_t kind, int32_t angle);

// "add large shape" / "add small shape": a floating shape at world (0, 0);
// only while the tool is edit.
void addlargeshape1Click(Tiling& t, Shell& shell);
void addsmallshape1Click(Tiling& t, Shell& shell);

// Turns the floating shape by 36 degrees, redrawing its outline.
void turnFloating(Tiling& t, Shell& shell);

// Moves the floating shape's centre to the world point under window pixel
// (x, y), redrawing its outline.
void moveFloating(Tiling& t, Shell& shell, int x, int y);

// Attaches the floating shape: the first shape stands where it is, any
// other snaps a corner onto a contour point within 10 units and must cover
// only free sectors. Returns true when the shape was added. Either way the
// floating shape is gone afterwards; a refusal changes nothing else. While
// "keep matching rules" is on (t.keepRules), a shape that would make an
// arrow conflict, an illegal vertex or a dead end is refused as well, and
// the status text becomes kBreaksRulesText.
bool attachShape(Tiling& t, Shell& shell);

inline constexpr const char* kBreaksRulesText = "breaks the matching rules";

// The status text while a floating shape of this kind exists.
const char* addingStatusText(int32_t kind);

}  // namespace rho

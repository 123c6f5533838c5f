#pragma once
// The "set" menu's display commands: shapes as plain rhombs, as their
// decoration, or both; and antialiased decoration lines.

namespace rho {

struct Tiling;
class Shell;

void displayas1Click(Tiling& t, Shell& shell);
void displayasshape1Click(Tiling& t, Shell& shell);
void displayasboth1Click(Tiling& t, Shell& shell);
void antialiasedlines1Click(Tiling& t, Shell& shell);

}  // namespace rho

#pragma once
// The colorize commands of edit > colorize: shape colours in bulk. A shape's
// selection is the sign of its colour, and every command keeps it.

namespace rho {

struct Tiling;
class Shell;

// Every shape gets the current colour.
void colorizeall1Click(Tiling& t, Shell& shell);
// Every selected shape gets the current colour.
void colorizeselected1Click(Tiling& t, Shell& shell);
// Small shapes grey 11, large shapes grey 20.
void bytype1Click(Tiling& t, Shell& shell);
// One grey per angle class, classes five apart sharing one except 4 and 9.
void byangle1Click(Tiling& t, Shell& shell);
// Angle class + 11.
void byfullangle1Click(Tiling& t, Shell& shell);
// Every shape back to the default colour 1.
void restorecolors1Click(Tiling& t, Shell& shell);

}  // namespace rho

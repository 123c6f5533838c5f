#pragma once
// "order shapes": the shape table sorted into rows, announced on the status line.

namespace rho {

struct Tiling;
class Shell;

void orderShapes(Tiling& t, Shell& shell);
void ordershapes1Click(Tiling& t, Shell& shell);

}  // namespace rho

#pragma once
// Selection and deletion: the select menu commands, the delete commands and
// the removal of one shape record. A shape is selected while its color is
// negative, so selecting and deselecting only ever flip the sign.

#include <cstdint>

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

// edit > select
void smallshapes1Click(Tiling& t, Shell& shell);
void largeshapes1Click(Tiling& t, Shell& shell);
void allshapes1Click(Tiling& t, Shell& shell);
void invert1Click(Tiling& t, Shell& shell);
void none1Click(Tiling& t, Shell& shell);

// edit > delete
void all1Click(Tiling& t, Shell& shell);
void selected1Click(Tiling& t, Shell& shell);

// Moves shapes i+1..last down by one place and refreshes the status line;
// an index outside the table is ignored. The command that removes the
// shape reports the change to the history.
void removeRecord(Tiling& t, Shell& shell, int shapeIndex);

// Takes shape i out of the contour and then out of the table. Returns false,
// changing nothing, when the contour could not take back its corners.
bool deleteShape(Tiling& t, Shell& shell, int shapeIndex);

}  // namespace rho

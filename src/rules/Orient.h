#pragma once
// Orienting a tiling: turning shapes by 180 degrees (angle + 5, mod 10),
// which keeps their outlines and reverses their arrows, so that as few
// shared edges as possible carry conflicting arrows.

#include <vector>

namespace rho {

struct Tiling;

struct OrientResult {
    int turned = 0;          // shapes whose angle changed
    int arrowConflicts = 0;  // conflicting shared edges left
};

// Orients the tiling: never leaves more conflicts than the vertex-index
// orientation does, and on a tiling that keeps the rules finds the
// orientation without conflicts. Only angles change (by 5, kept in 0..9).
OrientResult orientShapes(Tiling& t);

// The vertex-index orientation alone: vertices are numbered by walking
// edges (+1 along 18, 90, 162, 234 and 306 degrees, -1 against them), the
// numbers of each connected piece shifted so that its four most frequent
// consecutive values are 1..4, and each thick shape turned so that V0 sits
// on 2 or 3, each thin one so that V1 does. Returns, per shape, whether it
// would turn (nothing is changed).
std::vector<bool> indexOrientation(const Tiling& t);

}  // namespace rho

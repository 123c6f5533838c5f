#pragma once
// The quasitiler: a roughly circular patch of a Penrose rhomb tiling made
// with de Bruijn's pentagrid. Five families of parallel lines (at 0, 72,
// 144, 216 and 288 degrees, each family slightly shifted so that no three
// lines meet) are crossed pairwise; every crossing becomes one rhomb whose
// corners are the dual points of the four meshes around it. Crossings are
// visited ring by ring outward from the centre of the line indices.

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

constexpr int kGridFamilies = 5;
constexpr int kQuasiMinRadius = 5;
constexpr int kQuasiMaxRadius = 50;
// Lines per family the intercept table has room for: the largest radius
// the generator accepts at all.
constexpr int kQuasiMaxLines = 100;
constexpr int kQuasiScale = 40;

// The line set of one run. Line j of family m is x = slope[m] * y + intercept[m][j].
struct Pentagrid {
    int n = 0;       // lines per family (the radius)
    int half = 0;    // n / 2
    int centre = 0;  // (n - 1) * 0.5, truncated
    double cosv[kGridFamilies] = {};
    double sinv[kGridFamilies] = {};
    double slope[kGridFamilies] = {};
    double intercept[kGridFamilies][kQuasiMaxLines] = {};
};

// One accepted crossing: line r of family i with line t of family k (i < k),
// and the first corner (X, Y) of its rhomb in unscaled grid units.
struct Crossing {
    int i = 0;
    int k = 0;
    double X = 0.0;
    double Y = 0.0;
};

// Fills the grid for radius n; false when n lies outside 0..kQuasiMaxLines.
bool setUpPentagrid(Pentagrid& g, int n);

// Crosses line r of family i with line t of family k. False when the
// crossing lies outside the patch (some other family's mesh index falls
// outside 1..n-3); otherwise fills `c`.
bool crossLines(const Pentagrid& g, int i, int r, int k, int t, Crossing& c);

// The rhomb of an accepted crossing: centre, kind, angle class 0..4, colour 1.
TileShape shapeOfCrossing(const Pentagrid& g, const Crossing& c);

// The generation step alone: empties the shape table and fills it with the
// patch of radius n in generation order (not yet ordered into rows).
// Appending stops when the shape table is full. Returns false, leaving the
// tiling untouched, when n lies outside 0..kQuasiMaxLines.
bool generateQuasiTiling(Tiling& t, int n);

// What follows the generation of a patch, for every generator: orders the
// shapes, recalculates the contour, redraws, stores "idle" and records the
// change under `label`.
void settleGeneratedPatch(Tiling& t, Shell& shell, const char* label);

// The whole command: generates, orders the shapes, recalculates the contour,
// redraws and marks the document modified. A radius the generator refuses
// leaves the tiling and the status line untouched.
void runQuasitiler(Tiling& t, Shell& shell, int n);

}  // namespace rho

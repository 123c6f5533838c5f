#pragma once
// A true Penrose rhomb patch: de Bruijn's pentagrid with five grid offsets
// whose sum is exactly 0 and that let no three grid lines meet in a point.
// Unlike the quasitiler's generalised grid, such a patch keeps the matching
// rules everywhere; each shape is turned (angle a or a + 5) by its corners'
// vertex index so that all arrows agree.
//
// The grid's families run along the directions 18 + 72j degrees (j = 0..4),
// world y down, so every rhomb edge points in one of the ten directions
// 18 + 36k degrees of the shape templates. The patch is the set of line
// crossings within a disc around the grid's origin; its radius follows the
// quasitiler's scale, so the same radius gives about as many shapes.

namespace rho {

struct Tiling;

constexpr int kPenroseMinRadius = 5;
constexpr int kPenroseMaxRadius = 50;

// Grid offset of family j is kPenroseOffsets[j] / kPenroseOffsetDenominator;
// the numerators sum to exactly 0.
constexpr int kPenroseOffsetDenominator = 1000;
constexpr int kPenroseOffsets[5] = {137, -311, 229, 88, -143};

// Radius, in grid line spacings, of the disc of crossings that a patch of
// this radius takes.
double penroseGridRadius(int radius);

// Empties the shape table and fills it with the patch, ring by ring outward
// from the centre (not yet ordered into rows): colour 1, kinds 0/1, angles
// 0..9, side 40. Appending stops at a full shape table. False, changing
// nothing, for a radius outside 5..50.
bool fillPenrosePatch(Tiling& t, int radius);

// The whole patch: fills it, sorts the shapes into rows and rebuilds the
// contour, all without a shell. False, changing nothing, for a radius outside
// 5..50.
bool generatePenrosePatch(Tiling& t, int radius);

}  // namespace rho

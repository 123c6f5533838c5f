#pragma once
// Keeping the matching rules while shapes are added: would one more shape
// make an arrow conflict, an illegal vertex or a dead end?

namespace rho {

struct Tiling;
struct TileShape;
class VertexSet;

// Whether adding `candidate` (already snapped, not yet in the table) would
// break the rules at one of its four corners or along one of its four
// edges: a shared edge whose arrows disagree, a filled point that is none of
// the eight stars, a point that no star contains, or two corners in one slot.
// (A shared edge with disagreeing arrows always leaves its end points in no
// star, so the points alone decide.)
// Only the shapes near the candidate are looked at.
bool attachBreaksRules(const Tiling& t, const TileShape& candidate);

// The same question against the points of a vertex set (the shapes it holds).
bool shapeBreaksRules(const VertexSet& v, const TileShape& candidate);

}  // namespace rho

#pragma once
// Checking a tiling against the matching rules: shared edges whose arrows
// disagree, filled points that show none of the eight stars, and boundary
// points that no star contains.

#include <vector>

#include "geometry/Primitives.h"

namespace rho {

struct Tiling;
class VertexSet;

struct RuleReport {
    int arrowConflicts = 0;  // shared edges whose arrows differ, each edge once
    int illegalVertices = 0; // filled points that are none of the eight stars
    int deadEnds = 0;        // boundary points that no star contains
    std::vector<Point2> conflictPlaces;  // the midpoint of each conflicting edge
    std::vector<Point2> illegalPlaces;
    std::vector<Point2> deadEndPlaces;
    // The shapes on a conflicting edge, at an illegal point or at a dead end;
    // sorted, each once.
    std::vector<int> offendingShapes;

    bool clean() const { return arrowConflicts == 0 && illegalVertices == 0 && deadEnds == 0; }
};

// Checks every shape of the table. A point where two corners cover the same
// slot fits no star: it counts as an illegal vertex when its slots are all
// covered and as a dead end otherwise. Places come in the order the points
// were first met walking the shape table.
RuleReport checkRules(const Tiling& t);

// Shared edges of the set whose arrows differ, each edge once however many
// pairs of shapes meet on it: the count checkRules reports.
int countArrowConflicts(const VertexSet& v);

}  // namespace rho

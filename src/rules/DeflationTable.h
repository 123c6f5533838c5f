#pragma once
// The facts deflation rests on: where the children of each shape lie.
// Used by Deflation.cpp only.

#include <cstdint>
#include <span>

#include "tiling/Records.h"

namespace rho::deflation_detail {

// One child of a parent of some kind: its kind, its angle relative to the
// parent's, and its centre relative to the parent's (scaled) centre, in the
// parent's unturned frame. `whole` children lie inside their parent; the
// others lie across one of its edges and belong half to the shape beyond.
struct ChildRule {
    int kind;
    int turn;
    double ox;
    double oy;
    bool whole;
};

// The children of a thin (kind 0) or thick (any other kind) parent.
std::span<const ChildRule> childRules(int parentKind);

// The child that `rule` gives for a parent with this angle (0..9) and centre,
// in the coordinates of the deflated tiling.
TileShape childOf(const ChildRule& rule, int parentAngle, double parentX, double parentY, int32_t color);

// The parent of the given kind of which `child` would be the child `rule`
// (child kind and angle 0..9), in the coordinates of the composed tiling;
// colour 1.
TileShape parentOf(const ChildRule& rule, int parentKind, const TileShape& child);

}  // namespace rho::deflation_detail

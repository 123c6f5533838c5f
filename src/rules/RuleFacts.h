#pragma once
// The facts the matching rules rest on: which corner of which rhomb sits in
// which of the ten slots around a point, the arrows on the rhombs' edges,
// the eight vertex stars a legal tiling shows, and where a shape's corners
// lie in the world.
//
// Slot k is the direction 18 + 36k degrees (angles from +x toward +y). A
// corner of width w whose first slot is s fills the wedge between the
// directions of slots s and s + w. Slot k is contour sector (k - 2) mod 10.

#include <cstdint>

#include "geometry/Primitives.h"
#include "tiling/Records.h"

namespace rho {

struct Tiling;

// Kind index of the tables below: 0 thin (small shape), 1 thick (any other kind).
inline int ruleKind(int32_t kind) { return kind == kSmallShape ? 0 : 1; }
// An angle brought into 0..9.
inline int ruleAngle(int32_t angle) { return ((angle % 10) + 10) % 10; }

// Widths of the corners V0..V3 in 36-degree steps.
constexpr int kRuleCornerWidth[2][4] = {{1, 4, 1, 4}, {2, 3, 2, 3}};
// First slot of each corner at angle 0; at angle a it is s0 + a (mod 10).
constexpr int kRuleFirstSlot[2][4] = {{1, 7, 6, 2}, {0, 7, 5, 2}};

// A corner named by shape kind and index: 0..3 thin t0..t3, 4..7 thick T0..T3.
inline int cornerCode(int32_t kind, int corner) { return ruleKind(kind) * 4 + corner; }

// The first slot of corner j of a shape of this kind and angle.
inline int cornerSlot(int32_t kind, int32_t angle, int corner) {
    return (kRuleFirstSlot[ruleKind(kind)][corner] + ruleAngle(angle)) % 10;
}

// The slot-to-slot masks: bit k set for each slot a corner covers.
uint16_t cornerSlotMask(int code, int firstSlot);

// The arrow on edge e of a shape, the edge from corner e to corner (e + 1) mod 4.
// Thick: V0->V1, V0->V3 single; V1->V2, V3->V2 double.
// Thin: V0->V1, V2->V1 single; V0->V3, V2->V3 double.
struct EdgeArrow {
    bool isDouble = false;
    int head = 0;  // the corner the arrow points to
};
EdgeArrow edgeArrow(int32_t kind, int edge);

// One of the eight stars: its corners (codes) in order of increasing slot.
struct VertexStar {
    int count = 0;
    int8_t corners[7] = {};
};
extern const VertexStar kVertexStars[8];

// A set of star placements (a star turned to one of its rotations), one bit each.
struct StarMask {
    uint64_t lo = 0;
    uint64_t hi = 0;
    bool empty() const { return lo == 0 && hi == 0; }
    StarMask operator&(const StarMask& o) const { return {lo & o.lo, hi & o.hi}; }
};

// Every distinct placement of the eight stars: which corner starts at each slot.
struct StarPlacement {
    int star = 0;
    int rotation = 0;
    int8_t startCode[10] = {};  // -1 where no corner starts
};

class StarCatalogue {
public:
    // The one catalogue of the program (built on first use).
    static const StarCatalogue& instance();

    int count() const { return count_; }
    const StarPlacement& placement(int i) const { return placements_[i]; }
    // The placements in which corner `code` starts at `slot`.
    const StarMask& containing(int slot, int code) const { return containing_[slot][code]; }
    // All placements.
    StarMask all() const;

private:
    StarCatalogue();
    StarPlacement placements_[80];
    StarMask containing_[10][8];
    int count_ = 0;
};

// One corner standing at a point: its code and first slot.
struct SlotCorner {
    int code = 0;
    int slot = 0;
};

// What a point's corners tell against the stars.
enum class PointVerdict {
    Open,     // not filled, and some star still contains it
    Legal,    // filled, and it is one of the stars
    Illegal,  // filled (or overfilled), and no star is it
    DeadEnd,  // not filled, and no star contains it
};

struct PointReading {
    PointVerdict verdict = PointVerdict::Open;
    StarMask candidates;  // placements containing the corners
    uint16_t covered = 0; // slots covered
    bool overlap = false; // some slot covered twice
};

// Reads a point made of these corners. Corners covering a slot twice fit no
// star: such a point is illegal when every slot is covered, a dead end
// otherwise.
PointReading readPoint(const SlotCorner* corners, int count);

// The world corners of shapes, bit for bit as the contour computes them
// (template corner turned by angle x 36 degrees through the transform
// stack's own rotation terms, then moved by the centre), without touching
// the transform stack.
class CornerFrame {
public:
    explicit CornerFrame(const Tiling& t);
    void corners(const TileShape& s, Point2 out[4]) const;
    Point2 corner(const TileShape& s, int j) const;
    // Template corner j of a kind turned by the angle (no translation).
    Point2 turned(int32_t kind, int32_t angle, int j) const;

private:
    long double turned_[2][10][4][2];
    const Tiling* t_;
};

// The slot of the direction from a to b (nearest of the ten directions).
int directionSlot(Point2 a, Point2 b);

}  // namespace rho

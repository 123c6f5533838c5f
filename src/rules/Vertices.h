#pragma once
// The points of a tiling: every corner of every shape, gathered so that
// corners less than 5 world units apart in both x and y are one point, as
// in the contour. A hash of square cells finds a corner's point without
// scanning the others. Shapes can be added one at a time (forcing does).

#include <array>
#include <cstdint>
#include <vector>

#include "geometry/Primitives.h"
#include "rules/RuleFacts.h"

namespace rho {

struct Tiling;

// One corner standing at a point.
struct VertexCorner {
    int32_t shape = 0;
    int8_t corner = 0;  // 0..3
    int8_t slot = 0;    // first slot, 0..9
    int8_t width = 0;   // in 36-degree steps
    int8_t code = 0;    // cornerCode: 0..3 thin, 4..7 thick
};

struct VertexPoint {
    // Most corners one point can hold without two covering the same slot.
    static constexpr int kMaxCorners = 10;
    Point2 at;      // the place of the first corner that made the point
    int count = 0;  // corners listed
    int dropped = 0;  // corners past kMaxCorners (the point overlaps)
    VertexCorner corners[kMaxCorners];
};

// Two shapes with a common edge: both end points shared.
struct SharedEdge {
    int32_t shapeA = 0, shapeB = 0;
    int8_t edgeA = 0, edgeB = 0;  // edge e runs from corner e to corner e + 1
    int32_t p = 0, q = 0;         // its end points, p < q
};

class VertexSet {
public:
    // An empty set with room for `expectedShapes` shapes before it rehashes.
    VertexSet(const Tiling& t, int expectedShapes);
    // Every shape of the tiling.
    explicit VertexSet(const Tiling& t);

    // Adds shape `index` (its record `s`), returning nothing; its points
    // are then shapePoints(index). Shapes must be added with increasing index.
    void addShape(int index, const TileShape& s);

    // The point near within 5 of p with the lowest id, or -1.
    int find(Point2 p) const;

    int pointCount() const { return static_cast<int>(points_.size()); }
    const VertexPoint& point(int id) const { return points_[static_cast<std::size_t>(id)]; }
    // The points of corners 0..3 of an added shape.
    const std::array<int32_t, 4>& shapePoints(int index) const { return shapePoints_[static_cast<std::size_t>(index)]; }
    int shapeCount() const { return static_cast<int>(shapePoints_.size()); }
    const CornerFrame& frame() const { return frame_; }
    const TileShape& shape(int index) const { return shapes_[static_cast<std::size_t>(index)]; }

    // What the point's corners tell against the stars.
    PointReading read(int id) const;
    // Reads the point with extra corners added to those it has.
    PointReading readWith(int id, const SlotCorner* extra, int extraCount) const;

    // Every pair of shapes with a common edge, each pair once.
    std::vector<SharedEdge> sharedEdges() const;
    // The shared edges of one shape, appended to `out`.
    void sharedEdgesOf(int shape, std::vector<SharedEdge>& out) const;

private:
    int addPoint(Point2 p);
    void rehash(std::size_t buckets);
    static int32_t cellOf(double c);
    std::size_t bucketOf(int32_t cx, int32_t cy) const;

    struct Cell {
        int32_t cx = 0, cy = 0, next = -1;
    };
    CornerFrame frame_;
    std::vector<VertexPoint> points_;
    std::vector<Cell> cells_;  // one per point
    std::vector<int32_t> heads_;
    std::size_t mask_ = 0;
    std::vector<std::array<int32_t, 4>> shapePoints_;
    std::vector<TileShape> shapes_;  // the records as added
};

// Whether the arrows two shapes put on a common edge disagree: shape A of
// this kind with its corners at points ptsA, its edge edgeA, and so for B.
bool arrowsDiffer(int32_t kindA, const int32_t ptsA[4], int edgeA, int32_t kindB, const int32_t ptsB[4], int edgeB);
// The same for a shared edge of the set, with the shapes as they were added.
bool arrowsConflict(const VertexSet& v, const SharedEdge& e);

}  // namespace rho

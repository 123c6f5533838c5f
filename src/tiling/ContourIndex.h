#pragma once
// A working store for rebuilding the contour of a whole tiling quickly.
//
// Points are kept in the order they were added, with removed ones marked
// dead instead of shifted out, so the live points in id order are exactly
// the contour table that the plain algorithm would hold. A hash of square
// cells finds the points near a corner without scanning them all.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tiling/Contour.h"
#include "tiling/Records.h"

namespace rho {

struct Tiling;

// Builds corner records like buildCornerRecords, bit for bit, without going
// through the transform stack for every shape: the rotated template
// corners of each kind and angle are worked out once, in the same extended
// precision and with the same rotation terms that the transform stack uses,
// so only the translation is left per shape. Shapes with an angle outside
// 0..9 or a non-finite centre take the ordinary path.
class CornerRecordMaker {
public:
    explicit CornerRecordMaker(const Tiling& t);
    void build(Tiling& t, const TileShape& s) const;

private:
    struct Corner {
        long double x = 0.0L;
        long double y = 0.0L;
        uint8_t sectors[kSectors] = {};
    };
    Corner corners_[2][10][4];  // [small/large][angle][corner]
};

class ContourIndex {
public:
    // Room for `capacity` additions in all (dead points keep their id).
    explicit ContourIndex(int capacity);

    void clear();
    // Adds a live point and returns its id; -1 when the store is full.
    int add(const ContourVertex& v);
    // Marks a point dead and takes it out of its cell.
    void kill(int id);

    ContourVertex& vertex(int id) { return entries_[static_cast<std::size_t>(id)].v; }
    const ContourVertex& vertex(int id) const { return entries_[static_cast<std::size_t>(id)].v; }
    bool alive(int id) const { return entries_[static_cast<std::size_t>(id)].alive != 0; }
    int liveCount() const { return live_; }
    int size() const { return static_cast<int>(entries_.size()); }

    // The pairs (point id, corner) that the plain scan would find, in the
    // same order: by id, then corner.
    void findMatches(const ContourVertex corners[4], MatchList& out) const;

    // Copies the live points, in id order, into `table`; returns how many.
    int writeTable(ContourVertex* table, int tableCapacity) const;

    // Fills the store from a contour table (ids are table indices).
    void loadTable(const ContourVertex* table, int count);

    // A point near within 5 of a corner lies in one of the cells that the
    // corner's box, widened by a margin for rounding, overlaps: one to four
    // cells of this size.
    static constexpr double kCellSize = 16.0;
    static constexpr double kReach = 5.5;

private:
    struct Entry {
        ContourVertex v;
        int32_t cellX = 0;
        int32_t cellY = 0;
        int32_t next = -1;  // next entry of the same bucket
        uint8_t alive = 0;
    };

    static int32_t cellOf(double coordinate);
    std::size_t bucketOf(int32_t cx, int32_t cy) const;

    std::vector<Entry> entries_;
    std::vector<int32_t> heads_;
    std::size_t capacity_ = 0;
    std::size_t mask_ = 0;
    int live_ = 0;
};

}  // namespace rho

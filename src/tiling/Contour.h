#pragma once
// The contour: every corner point of the tiling that is not fully
// surrounded, with the ten 36-degree sectors around it marked covered or
// free. Kept up to date by placement and deletion; rebuilt on request.

#include "tiling/Records.h"

namespace rho {

struct Tiling;

// Computes s's corners and fills the corner scratch records with their
// positions and the sectors s covers there (byte 10 stays 0).
void buildCornerRecords(Tiling& t, const TileShape& s);

// One pair of the matching scan: contour point `point` lies near within 5
// of corner record `corner` of the corner scratch.
struct ContourMatch {
    int point;
    int corner;
};

// The pairs of one matching scan, ordered by point, then corner. `count`
// counts every pair found; only the first kCapacity are stored, and a scan
// that found more is treated as ambiguous by every merge. The slots past
// `count` are left uninitialised: the list is made once per merge.
struct MatchList {
    static constexpr int kCapacity = 64;
    int count = 0;
    ContourMatch pairs[kCapacity];

    void add(int point, int corner) {
        if (count < kCapacity) pairs[count] = {point, corner};
        ++count;
    }
    bool overflowed() const { return count > kCapacity; }
};

// The plain matching scan over the contour table: for each point from 0 to
// the contour last index, for each corner 0..3, a pair when they are near
// within 5.
void findMatchesLinear(const Tiling& t, MatchList& out);

enum class MergeOutcome {
    Merged,
    Overlap,    // a covered sector would be covered twice
    Ambiguous,  // a corner lies near two or more contour points
    Full,       // the new points would not fit in the contour table
};

// Merges the shape whose records stand in the corner scratch. Returns 1
// when merged, 0 when refused (overlap, ambiguous point, or a full table);
// a refusal leaves the contour unchanged.
int mergeIntoContour(Tiling& t);
MergeOutcome mergeIntoContourOutcome(Tiling& t);

// Takes shape i out of the contour; the shape table is not touched.
// Returns false, changing nothing, when i is not a shape or when the
// corners that the shape uncovers would not fit in the contour table.
bool removeFromContour(Tiling& t, int shapeIndex);

// Moves points p+1..last down by one place; an index outside the table
// is ignored.
void removePoint(Tiling& t, int pointIndex);

// What a rebuild reports as it goes, so that a caller can show progress
// and point out refused shapes.
class RebuildObserver {
public:
    virtual ~RebuildObserver() = default;
    // Before the second shape is merged; the first one already stands.
    virtual void started(int /*shapeLast*/) {}
    // Shape i's corner records are built and the contour last index is current.
    virtual void shapeStarted(int /*shapeIndex*/) {}
    // Shape i overlapped what stood; its selection has been flipped.
    virtual void shapeRefused(int /*shapeIndex*/) {}
};

// Rebuilds the contour from the shape table, shape by shape. A refused
// shape gets its selection flipped and merging goes on; a full table stops
// the merging and the contour keeps what it has. Returns true when nothing
// was refused.
bool rebuildContour(Tiling& t, RebuildObserver& observer);

// The same rebuild with the plain matching scan and the contour table
// itself as working store; slower, kept as the reference for the indexed
// rebuild above.
bool rebuildContourLinear(Tiling& t, RebuildObserver& observer);

}  // namespace rho

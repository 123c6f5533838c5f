#include "tiling/Contour.h"

#include <algorithm>

#include "geometry/Geometry.h"
#include "tiling/ContourIndex.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// A last index that a damaged table may have put out of range, brought back
// into the table.
void clampContourLast(Tiling& t) { t.contourLast = std::clamp(t.contourLast, -1, kMaxContour - 1); }

int sectorSum(const ContourVertex& v) {
    int sum = 0;
    for (int k = 0; k < kSectors; ++k) sum += v.sectors[k];
    return sum;
}

// A new contour point made from a corner record: its place and sectors,
// the reserved byte cleared.
ContourVertex pointFromCorner(const ContourVertex& corner) {
    ContourVertex v = corner;
    v.sectors[kSectors] = 0;
    return v;
}

// Decides a merge from the pairs of its matching scan. `pointAt(id)` is the
// contour point of a pair; `liveCount` the number of points now held.
// On success `matched[j]` tells which corners met a point.
template <class PointAt>
MergeOutcome checkMerge(const MatchList& m, const ContourVertex corners[4], int liveCount, PointAt pointAt,
                        bool matched[4]) {
    if (m.overflowed()) return MergeOutcome::Ambiguous;
    int perCorner[4] = {0, 0, 0, 0};
    for (int p = 0; p < m.count; ++p) {
        if (++perCorner[m.pairs[p].corner] > 1) return MergeOutcome::Ambiguous;
    }
    // Sum each matched point's sectors with every corner that met it; count
    // the points that the sums close, each once.
    int closed = 0;
    for (int p = 0; p < m.count; ++p) {
        const ContourVertex& point = pointAt(m.pairs[p].point);
        int sums[kSectors];
        for (int k = 0; k < kSectors; ++k) sums[k] = point.sectors[k];
        bool firstPairOfPoint = true;
        for (int q = 0; q < m.count; ++q) {
            if (m.pairs[q].point != m.pairs[p].point) continue;
            if (q < p) firstPairOfPoint = false;
            const ContourVertex& corner = corners[m.pairs[q].corner];
            for (int k = 0; k < kSectors; ++k) sums[k] += corner.sectors[k];
        }
        int total = 0;
        for (int k = 0; k < kSectors; ++k) {
            if (sums[k] > 1) return MergeOutcome::Overlap;
            total += sums[k];
        }
        if (firstPairOfPoint && total >= kSectors) ++closed;
    }
    int appended = 0;
    for (int j = 0; j < 4; ++j) {
        matched[j] = perCorner[j] > 0;
        if (!matched[j]) ++appended;
    }
    // The closed points leave before the new ones come, so a merge may end
    // with the table exactly full.
    if (liveCount - closed + appended > kMaxContour) return MergeOutcome::Full;
    return MergeOutcome::Merged;
}

void addSectors(ContourVertex& point, const ContourVertex& corner) {
    for (int k = 0; k < kSectors; ++k) point.sectors[k] = static_cast<uint8_t>(point.sectors[k] + corner.sectors[k]);
}

// The working store of a rebuild that uses the contour table itself and the
// plain scan.
class TableStore {
public:
    explicit TableStore(Tiling& t) : t_(t) {}
    void buildRecords(const TileShape& s) { buildCornerRecords(t_, s); }
    void start() {
        for (int j = 0; j < 4; ++j) t_.contour[j] = pointFromCorner(t_.cornerScratch[j]);
        t_.contourLast = 3;
    }
    int liveCount() const { return t_.contourLast + 1; }
    MergeOutcome merge() { return mergeIntoContourOutcome(t_); }
    void finish() {}

private:
    Tiling& t_;
};

// The working store of a rebuild that uses the cell index; the table is
// written once at the end.
class IndexStore {
public:
    explicit IndexStore(Tiling& t) : t_(t), maker_(t), index_(4 * (t.shapeLast + 1)) {}
    void buildRecords(const TileShape& s) { maker_.build(t_, s); }
    void start() {
        index_.clear();
        for (int j = 0; j < 4; ++j) index_.add(pointFromCorner(t_.cornerScratch[j]));
    }
    int liveCount() const { return index_.liveCount(); }
    MergeOutcome merge() {
        MatchList m;
        index_.findMatches(t_.cornerScratch, m);
        bool matched[4];
        const MergeOutcome r = checkMerge(
            m, t_.cornerScratch, index_.liveCount(),
            [this](int id) -> const ContourVertex& { return index_.vertex(id); }, matched);
        if (r != MergeOutcome::Merged) return r;
        for (int p = 0; p < m.count; ++p) {
            addSectors(index_.vertex(m.pairs[p].point), t_.cornerScratch[m.pairs[p].corner]);
        }
        for (int j = 0; j < 4; ++j) {
            if (!matched[j]) index_.add(pointFromCorner(t_.cornerScratch[j]));
        }
        // Only the matched points gained sectors, so only they can be full.
        for (int p = 0; p < m.count; ++p) {
            if (sectorSum(index_.vertex(m.pairs[p].point)) >= kSectors) index_.kill(m.pairs[p].point);
        }
        return r;
    }
    void finish() { t_.contourLast = index_.writeTable(t_.contour, kMaxContour) - 1; }

private:
    Tiling& t_;
    CornerRecordMaker maker_;
    ContourIndex index_;
};

template <class Store>
bool rebuildWith(Tiling& t, RebuildObserver& observer, Store& store) {
    if (t.shapeLast < 0) {
        t.contourLast = -1;
        return true;
    }
    store.buildRecords(t.shapes[0]);
    store.start();
    t.contourLast = store.liveCount() - 1;
    observer.started(t.shapeLast);

    bool failed = false;
    for (int i = 1; i <= t.shapeLast; ++i) {
        store.buildRecords(t.shapes[i]);
        t.contourLast = store.liveCount() - 1;
        observer.shapeStarted(i);
        const MergeOutcome r = store.merge();
        if (r == MergeOutcome::Merged) continue;
        failed = true;
        // A full table ends the rebuild; the contour keeps what it has.
        if (r == MergeOutcome::Full) break;
        // Flip the conflicting shape's selection so that the user finds it.
        flipSelection(t.shapes[i]);
        observer.shapeRefused(i);
    }
    store.finish();
    return !failed;
}

}  // namespace

void buildCornerRecords(Tiling& t, const TileShape& s) {
    computeCorners(t, s);
    for (int j = 0; j < 4; ++j) {
        ContourVertex& r = t.cornerScratch[j];
        cornerSectorPattern(s.kind, s.angle, j, r.sectors);
        r.sectors[kSectors] = 0;
        r.x = t.cornerBuffer[j].x;
        r.y = t.cornerBuffer[j].y;
    }
}

void findMatchesLinear(const Tiling& t, MatchList& out) {
    out.count = 0;
    const int last = std::min(t.contourLast, kMaxContour - 1);
    for (int c = 0; c <= last; ++c) {
        const ContourVertex& p = t.contour[c];
        for (int j = 0; j < 4; ++j) {
            if (nearWithin5(p.x, p.y, t.cornerScratch[j].x, t.cornerScratch[j].y)) out.add(c, j);
        }
    }
}

MergeOutcome mergeIntoContourOutcome(Tiling& t) {
    clampContourLast(t);
    MatchList m;
    findMatchesLinear(t, m);
    bool matched[4];
    const MergeOutcome r = checkMerge(
        m, t.cornerScratch, t.contourLast + 1, [&t](int c) -> const ContourVertex& { return t.contour[c]; }, matched);
    if (r != MergeOutcome::Merged) return r;

    for (int p = 0; p < m.count; ++p) addSectors(t.contour[m.pairs[p].point], t.cornerScratch[m.pairs[p].corner]);
    // Closed points go first, to make room. A new point covers at most four
    // sectors and never closes, so the table ends as if the new points had
    // been appended before the closed ones were taken out.
    for (int c = t.contourLast; c >= 0; --c) {
        if (sectorSum(t.contour[c]) >= kSectors) removePoint(t, c);
    }
    for (int j = 0; j < 4; ++j) {
        if (!matched[j]) t.contour[++t.contourLast] = pointFromCorner(t.cornerScratch[j]);
    }
    return r;
}

int mergeIntoContour(Tiling& t) { return mergeIntoContourOutcome(t) == MergeOutcome::Merged ? 1 : 0; }

bool removeFromContour(Tiling& t, int shapeIndex) {
    if (shapeIndex < 0 || shapeIndex > t.shapeLast) return false;
    buildCornerRecords(t, t.shapes[shapeIndex]);
    clampContourLast(t);
    const int last = t.contourLast;

    // First pass, changing nothing: which corners meet a point, and how many
    // points the subtraction empties. A byte never goes below 0.
    bool matched[4] = {false, false, false, false};
    int emptied = 0;
    for (int c = 0; c <= last; ++c) {
        const ContourVertex& p = t.contour[c];
        int left[kSectors];
        for (int k = 0; k < kSectors; ++k) left[k] = p.sectors[k];
        for (int j = 0; j < 4; ++j) {
            const ContourVertex& corner = t.cornerScratch[j];
            if (!nearWithin5(p.x, p.y, corner.x, corner.y)) continue;
            matched[j] = true;
            for (int k = 0; k < kSectors; ++k) left[k] = std::max(0, left[k] - corner.sectors[k]);
        }
        int sum = 0;
        for (int k = 0; k < kSectors; ++k) sum += left[k];
        if (sum == 0) ++emptied;
    }
    int appended = 0;
    for (int j = 0; j < 4; ++j) {
        if (!matched[j]) ++appended;
    }
    if (last + 1 - emptied + appended > kMaxContour) return false;

    for (int c = 0; c <= last; ++c) {
        ContourVertex& p = t.contour[c];
        for (int j = 0; j < 4; ++j) {
            const ContourVertex& corner = t.cornerScratch[j];
            if (!nearWithin5(p.x, p.y, corner.x, corner.y)) continue;
            for (int k = 0; k < kSectors; ++k) {
                p.sectors[k] = static_cast<uint8_t>(std::max(0, p.sectors[k] - corner.sectors[k]));
            }
        }
    }
    for (int c = last; c >= 0; --c) {
        if (sectorSum(t.contour[c]) == 0) removePoint(t, c);
    }
    // A corner that met no point was interior: it comes back with only the
    // removed shape's own sectors free.
    for (int j = 0; j < 4; ++j) {
        if (matched[j]) continue;
        ContourVertex v = pointFromCorner(t.cornerScratch[j]);
        for (int k = 0; k < kSectors; ++k) v.sectors[k] = static_cast<uint8_t>(1 - t.cornerScratch[j].sectors[k]);
        t.contour[++t.contourLast] = v;
    }
    return true;
}

void removePoint(Tiling& t, int pointIndex) {
    clampContourLast(t);
    if (pointIndex < 0 || pointIndex > t.contourLast) return;
    std::copy(t.contour + pointIndex + 1, t.contour + t.contourLast + 1, t.contour + pointIndex);
    --t.contourLast;
}

bool rebuildContour(Tiling& t, RebuildObserver& observer) {
    IndexStore store(t);
    return rebuildWith(t, observer, store);
}

bool rebuildContourLinear(Tiling& t, RebuildObserver& observer) {
    TableStore store(t);
    return rebuildWith(t, observer, store);
}

}  // namespace rho

#include "tiling/ContourIndex.h"

#include <algorithm>
#include <cmath>

#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {
// Cells are clamped to this range so that a neighbour's index never
// overflows, whatever coordinates a damaged file brings.
constexpr int32_t kCellLimit = 1 << 28;
}  // namespace

CornerRecordMaker::CornerRecordMaker(const Tiling& t) {
    for (int angle = 0; angle < 10; ++angle) {
        // The rotation factor exactly as rotateZ builds it.
        const Matrix4 r = rotationMatrix(angle * 36.0);
        for (int kind = 0; kind < 2; ++kind) {
            const ShapeTemplate& tpl = templateFor(t, kind);
            for (int j = 0; j < 4; ++j) {
                // The sums of the point transform before the translation term.
                const double x = tpl.corners[j].x;
                const double y = tpl.corners[j].y;
                Corner& c = corners_[kind][angle][j];
                c.x = static_cast<long double>(r.m[0][0]) * x;
                c.x += static_cast<long double>(r.m[0][1]) * y;
                c.x += static_cast<long double>(r.m[0][2]) * 0.0;
                c.y = static_cast<long double>(r.m[1][0]) * x;
                c.y += static_cast<long double>(r.m[1][1]) * y;
                c.y += static_cast<long double>(r.m[1][2]) * 0.0;
                cornerSectorPattern(kind, angle, j, c.sectors);
            }
        }
    }
}

void CornerRecordMaker::build(Tiling& t, const TileShape& s) const {
    if (s.angle < 0 || s.angle > 9 || !std::isfinite(s.x) || !std::isfinite(s.y)) {
        buildCornerRecords(t, s);
        return;
    }
    const Corner* corners = corners_[s.kind == kSmallShape ? 0 : 1][s.angle];
    for (int j = 0; j < 4; ++j) {
        const double x = static_cast<double>(corners[j].x + static_cast<long double>(s.x) * 1.0);
        const double y = static_cast<double>(corners[j].y + static_cast<long double>(s.y) * 1.0);
        t.cornerBuffer[j] = {x, y};
        ContourVertex& r = t.cornerScratch[j];
        std::copy(corners[j].sectors, corners[j].sectors + kSectors, r.sectors);
        r.sectors[kSectors] = 0;
        r.x = x;
        r.y = y;
    }
    t.cornerBufferCentre = {s.x, s.y};
}

ContourIndex::ContourIndex(int capacity) {
    capacity_ = capacity > 0 ? static_cast<std::size_t>(capacity) : 1;
    entries_.reserve(capacity_);
    // Dead points leave their buckets, so the buckets only need room for
    // what the contour table can hold.
    std::size_t buckets = 1024;
    while (buckets < 2 * std::min<std::size_t>(capacity_, kMaxContour)) buckets *= 2;
    heads_.assign(buckets, -1);
    mask_ = buckets - 1;
}

void ContourIndex::clear() {
    entries_.clear();
    std::fill(heads_.begin(), heads_.end(), -1);
    live_ = 0;
}

int32_t ContourIndex::cellOf(double coordinate) {
    // Truncation toward zero keeps the cell of a coordinate monotone; points
    // less than 5 apart then never lie more than one cell apart.
    // The cell size is a power of two, so this product is the exact quotient.
    const double c = coordinate * (1.0 / kCellSize);
    if (!(c == c)) return 0;  // NaN is near nothing; any cell will do
    if (c >= kCellLimit) return kCellLimit;
    if (c <= -kCellLimit) return -kCellLimit;
    return static_cast<int32_t>(c);
}

std::size_t ContourIndex::bucketOf(int32_t cx, int32_t cy) const {
    const uint32_t h = static_cast<uint32_t>(cx) * 73856093u ^ static_cast<uint32_t>(cy) * 19349663u;
    return static_cast<std::size_t>(h) & mask_;
}

int ContourIndex::add(const ContourVertex& v) {
    if (entries_.size() >= capacity_) return -1;
    Entry e;
    e.v = v;
    e.cellX = cellOf(v.x);
    e.cellY = cellOf(v.y);
    e.alive = 1;
    const std::size_t b = bucketOf(e.cellX, e.cellY);
    const int id = static_cast<int>(entries_.size());
    e.next = heads_[b];
    heads_[b] = id;
    entries_.push_back(e);
    ++live_;
    return id;
}

void ContourIndex::kill(int id) {
    if (id < 0 || id >= size() || !alive(id)) return;
    Entry& e = entries_[static_cast<std::size_t>(id)];
    int32_t* link = &heads_[bucketOf(e.cellX, e.cellY)];
    while (*link != -1 && *link != id) link = &entries_[static_cast<std::size_t>(*link)].next;
    if (*link == id) *link = e.next;
    e.next = -1;
    e.alive = 0;
    --live_;
}

void ContourIndex::findMatches(const ContourVertex corners[4], MatchList& out) const {
    // Gather every pair, then sort by (point, corner): the order in which
    // the plain scan meets them.
    ContourMatch found[MatchList::kCapacity + 1];
    int total = 0;
    for (int j = 0; j < 4; ++j) {
        const double x = corners[j].x;
        const double y = corners[j].y;
        const int32_t x0 = cellOf(x - kReach), x1 = cellOf(x + kReach);
        const int32_t y0 = cellOf(y - kReach), y1 = cellOf(y + kReach);
        for (int32_t cy = y0; cy <= y1; ++cy) {
            for (int32_t cx = x0; cx <= x1; ++cx) {
                for (int32_t id = heads_[bucketOf(cx, cy)]; id != -1;) {
                    const Entry& e = entries_[static_cast<std::size_t>(id)];
                    if (e.cellX == cx && e.cellY == cy && nearWithin5(e.v.x, e.v.y, x, y)) {
                        if (total <= MatchList::kCapacity) found[total] = {id, j};
                        ++total;
                    }
                    id = e.next;
                }
            }
        }
    }
    out.count = 0;
    if (total > MatchList::kCapacity) {
        // Too many to order; every merge refuses such a scan anyway.
        std::copy(found, found + MatchList::kCapacity, out.pairs);
        out.count = total;
        return;
    }
    // Insertion sort: there are rarely more than four pairs.
    for (int k = 1; k < total; ++k) {
        const ContourMatch m = found[k];
        int i = k - 1;
        while (i >= 0 && (found[i].point > m.point || (found[i].point == m.point && found[i].corner > m.corner))) {
            found[i + 1] = found[i];
            --i;
        }
        found[i + 1] = m;
    }
    for (int k = 0; k < total; ++k) out.add(found[k].point, found[k].corner);
}

int ContourIndex::writeTable(ContourVertex* table, int tableCapacity) const {
    int n = 0;
    for (const Entry& e : entries_) {
        if (e.alive == 0) continue;
        if (n >= tableCapacity) break;
        table[n++] = e.v;
    }
    return n;
}

void ContourIndex::loadTable(const ContourVertex* table, int count) {
    clear();
    for (int i = 0; i < count; ++i) add(table[i]);
}

}  // namespace rho

#pragma once
// An independent reading of shapes against the matching rules, for tests,
// with its own tables: the arrows on shared edges, the vertex star at every
// full point and the vertex index found by walking the edges. Points within
// 5 world units are one point.

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <queue>
#include <utility>
#include <vector>

#include "geometry/Geometry.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho::test {

// Corners by code: 0..3 thin t0..t3, 4..7 thick T0..T3. Their widths in
// 36-degree slots and first slots at angle 0 (slot k points at 18 + 36k degrees).
constexpr int kCornerWidth[8] = {1, 4, 1, 4, 2, 3, 2, 3};
constexpr int kCornerFirstSlot[8] = {1, 7, 6, 2, 0, 7, 5, 2};
inline int cornerCodeOf(const TileShape& s, int corner) { return (s.kind == kSmallShape ? 0 : 4) + corner; }

struct PatchReading {
    int points = 0;
    int edges = 0;
    int sharedEdges = 0;
    int conflicts = 0;        // shared edges whose arrows differ
    int crowdedEdges = 0;     // edges claimed by three shapes or more
    int fullPoints = 0;
    int illegalPoints = 0;    // full points whose star is none of the 8
    std::array<int, 8> stars{};  // full points of each star, in the order of the list
    bool indexConsistent = true;  // walking the edges never numbers a point twice differently
    int indexMin = 0, indexMax = 0;
    int keyCornersOffIndex = 0;  // thick V0 or thin V1 on an index other than min+1, min+2
};

class PointIds {
public:
    int idOf(Point2 p) {
        const long cx = std::lround(std::floor(p.x / 10)), cy = std::lround(std::floor(p.y / 10));
        for (long dx = -1; dx <= 1; ++dx)
            for (long dy = -1; dy <= 1; ++dy) {
                auto it = cells_.find({cx + dx, cy + dy});
                if (it == cells_.end()) continue;
                for (int id : it->second)
                    if (nearWithin5(points[id].x, points[id].y, p.x, p.y)) return id;
            }
        points.push_back(p);
        cells_[{cx, cy}].push_back(static_cast<int>(points.size()) - 1);
        return static_cast<int>(points.size()) - 1;
    }
    std::vector<Point2> points;

private:
    std::map<std::pair<long, long>, std::vector<int>> cells_;
};

inline PatchReading readPatch(Tiling& t, const std::vector<TileShape>& shapes) {
    enum : int { t0, t1, t2, t3, T0, T1, T2, T3 };
    const std::vector<std::vector<int>> legal = {
        {t1, T1, T3}, {t0, T0, t2, T3, T1}, {t3, t3, T2}, {t3, T2, T2, T2}, {t0, T0, t2, t0, T0, T0, t2},
        {T2, T2, T2, T2, T2}, {t0, T0, T0, T0, T0, t2}, {T0, T0, T0, T0, T0}};
    // Arrows by corner pairs {from, to, double}: a thick rhomb carries single
    // arrows from corner 0 to corners 1 and 3 and double arrows from 1 and 3
    // to 2; a thin one single arrows from 0 and 2 to 1 and double ones from
    // 0 and 2 to 3.
    constexpr int thickArrows[4][3] = {{0, 1, 0}, {0, 3, 0}, {1, 2, 1}, {3, 2, 1}};
    constexpr int thinArrows[4][3] = {{0, 1, 0}, {2, 1, 0}, {0, 3, 1}, {2, 3, 1}};

    PatchReading out;
    PointIds ids;
    struct Corner { int name, slot; };
    std::vector<std::vector<Corner>> at;
    std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> edges;  // -> (head, double)
    std::vector<std::array<int, 4>> cornerIds;
    for (const TileShape& s : shapes) {
        computeCorners(t, s);
        std::array<int, 4> id{};
        for (int j = 0; j < 4; ++j) {
            id[j] = ids.idOf(t.cornerBuffer[j]);
            if (at.size() < ids.points.size()) at.resize(ids.points.size());
            const int name = cornerCodeOf(s, j);
            at[id[j]].push_back({name, (kCornerFirstSlot[name] + s.angle) % 10});
        }
        cornerIds.push_back(id);
        for (const auto& a : s.kind == kSmallShape ? thinArrows : thickArrows) {
            const int from = id[a[0]], to = id[a[1]];
            edges[{std::min(from, to), std::max(from, to)}].push_back({to, a[2]});
        }
    }
    out.points = static_cast<int>(ids.points.size());
    out.edges = static_cast<int>(edges.size());
    for (const auto& [key, claims] : edges) {
        if (claims.size() > 2) ++out.crowdedEdges;
        if (claims.size() < 2) continue;
        ++out.sharedEdges;
        if (claims[0] != claims[1]) ++out.conflicts;
    }

    for (auto& corners : at) {
        int filled = 0;
        for (const Corner& c : corners) filled += kCornerWidth[c.name];
        if (filled != 10) continue;
        ++out.fullPoints;
        std::sort(corners.begin(), corners.end(), [](Corner a, Corner b) { return a.slot < b.slot; });
        bool tight = true;
        std::vector<int> names;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            const Corner& next = corners[(k + 1) % corners.size()];
            tight = tight && (corners[k].slot + kCornerWidth[corners[k].name]) % 10 == next.slot;
            names.push_back(corners[k].name);
        }
        int star = -1;
        for (std::size_t q = 0; q < legal.size() && tight && star < 0; ++q) {
            if (legal[q].size() != names.size()) continue;
            for (std::size_t turn = 0; turn < names.size() && star < 0; ++turn) {
                std::vector<int> turned = names;
                std::rotate(turned.begin(), turned.begin() + static_cast<long>(turn), turned.end());
                if (turned == legal[q]) star = static_cast<int>(q);
            }
        }
        if (star < 0) ++out.illegalPoints;
        else ++out.stars[static_cast<std::size_t>(star)];
    }

    // Index: one step along 18, 90, 162, 234 or 306 degrees (even steps of
    // the directions 18 + 36k) adds 1, along the others subtracts 1.
    std::vector<std::vector<std::pair<int, int>>> steps(ids.points.size());
    for (const auto& [key, claims] : edges) {
        const Point2 a = ids.points[key.first], b = ids.points[key.second];
        const double degrees = std::atan2(b.y - a.y, b.x - a.x) * 180.0 / 3.141592653589793;
        const long k = ((std::lround((degrees - 18.0) / 36.0) % 10) + 10) % 10;
        const int up = k % 2 == 0 ? 1 : -1;
        steps[key.first].push_back({key.second, up});
        steps[key.second].push_back({key.first, -up});
    }
    std::vector<int> index(ids.points.size(), 0);
    std::vector<bool> seen(ids.points.size(), false);
    for (std::size_t root = 0; root < ids.points.size(); ++root) {
        if (seen[root]) continue;
        seen[root] = true;
        std::queue<int> open;
        open.push(static_cast<int>(root));
        while (!open.empty()) {
            const int p = open.front();
            open.pop();
            for (auto [q, up] : steps[p]) {
                if (!seen[q]) {
                    seen[q] = true;
                    index[q] = index[p] + up;
                    open.push(q);
                } else if (index[q] != index[p] + up) {
                    out.indexConsistent = false;
                }
            }
        }
    }
    if (!index.empty()) {
        out.indexMin = *std::min_element(index.begin(), index.end());
        out.indexMax = *std::max_element(index.begin(), index.end());
    }
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const int key = cornerIds[i][shapes[i].kind == kSmallShape ? 1 : 0];
        const int shifted = index[key] - out.indexMin + 1;
        if (shifted != 2 && shifted != 3) ++out.keyCornersOffIndex;
    }
    return out;
}

// The shape table as it stands.
inline PatchReading readPatch(Tiling& t) {
    return readPatch(t, std::vector<TileShape>(t.shapes, t.shapes + t.shapeLast + 1));
}

}  // namespace rho::test

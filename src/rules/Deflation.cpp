#include "rules/Deflation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <vector>

#include "rules/Check.h"
#include "rules/DeflationTable.h"
#include "rules/Vertices.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

using Shapes = std::vector<TileShape>;
using namespace deflation_detail;

// Two shapes are the same when kind and angle agree and their centres lie
// less than this apart in x and in y. Children always have side 40, so a
// tolerance in world units fits every scale: the centres of two distinct
// shapes that do not overlap are at least twice the thin shape's inradius
// (23.5) apart, while one centre computed from two parents differs only by
// rounding, far below a thousandth of a unit even on the largest tilings.
constexpr double kSameCentre = 0.5;

int normalAngle(int a) { return ((a % 10) + 10) % 10; }
int normalKind(int k) { return k == 0 ? 0 : 1; }
// The colour a shape passes on: its palette index without the selection.
int32_t plainColor(int32_t c) {
    if (c == 0 || c == INT32_MIN) return 1;
    return c < 0 ? -c : c;
}

// Finds shapes by kind, angle and centre. Cells are one unit wide, wider
// than twice the tolerance, so a match lies in the cell of the point or in
// one of its eight neighbours.
class CentreIndex {
public:
    explicit CentreIndex(std::size_t expected) { heads_.reserve(expected * 2); }

    void add(const TileShape& s, int id) {
        const uint64_t key = keyOf(cellOf(s.x), cellOf(s.y));
        auto [it, fresh] = heads_.try_emplace(key, id);
        if (next_.size() <= static_cast<std::size_t>(id)) next_.resize(static_cast<std::size_t>(id) + 1, -1);
        next_[static_cast<std::size_t>(id)] = fresh ? -1 : it->second;
        if (!fresh) it->second = id;
    }

    // The id of a stored shape that is the same as (kind, angle, x, y), or -1.
    template <class ShapeAt>
    int find(int kind, int angle, double x, double y, ShapeAt shapeAt) const {
        const int64_t cx = cellOf(x), cy = cellOf(y);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const auto it = heads_.find(keyOf(cx + dx, cy + dy));
                if (it == heads_.end()) continue;
                for (int id = it->second; id >= 0; id = next_[static_cast<std::size_t>(id)]) {
                    const TileShape& s = shapeAt(id);
                    if (s.kind == kind && s.angle == angle && std::fabs(s.x - x) < kSameCentre &&
                        std::fabs(s.y - y) < kSameCentre)
                        return id;
                }
            }
        }
        return -1;
    }

private:
    // Far and non-finite coordinates share the edge cells; comparing their
    // centres then decides, and a NaN never matches.
    static int64_t cellOf(double v) {
        if (!(v > -1e15)) return -1000000000000000LL;
        if (!(v < 1e15)) return 1000000000000000LL;
        return static_cast<int64_t>(std::floor(v));
    }
    static uint64_t keyOf(int64_t cx, int64_t cy) {
        return static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(cy);
    }

    std::unordered_map<uint64_t, int> heads_;
    std::vector<int> next_;
};

// Every shape cut into its children, each child kept once: first the
// children that lie inside the parents (the whole ones and the halves that
// two parents made), then the halves that stick out across the boundary.
Shapes deflateShapes(const Shapes& in) {
    Shapes out;
    std::vector<uint8_t> inside;
    out.reserve(in.size() * 3);
    inside.reserve(in.size() * 3);
    CentreIndex index(in.size() * 3);
    auto at = [&out](int id) -> const TileShape& { return out[static_cast<std::size_t>(id)]; };
    for (const TileShape& parent : in) {
        const int kind = normalKind(parent.kind), angle = normalAngle(parent.angle);
        for (const ChildRule& rule : childRules(kind)) {
            const TileShape child = childOf(rule, angle, parent.x, parent.y, plainColor(parent.color));
            const int id = index.find(child.kind, child.angle, child.x, child.y, at);
            if (id >= 0) {
                inside[static_cast<std::size_t>(id)] = 1;
                continue;
            }
            index.add(child, static_cast<int>(out.size()));
            out.push_back(child);
            inside.push_back(rule.whole ? 1 : 0);
        }
    }
    Shapes ordered;
    ordered.reserve(out.size());
    for (int pass = 1; pass >= 0; --pass) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (inside[i] == pass) ordered.push_back(out[i]);
        }
    }
    return ordered;
}

// The parents all of whose children stand in `in`.
Shapes composeShapes(const Shapes& in) {
    Shapes plain = in;
    for (TileShape& s : plain) {
        s.kind = normalKind(s.kind);
        s.angle = normalAngle(s.angle);
    }
    CentreIndex present(plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) present.add(plain[i], static_cast<int>(i));
    auto inputAt = [&plain](int id) -> const TileShape& { return plain[static_cast<std::size_t>(id)]; };

    Shapes proposed;
    CentreIndex seen(plain.size() * 2);
    auto proposedAt = [&proposed](int id) -> const TileShape& { return proposed[static_cast<std::size_t>(id)]; };
    Shapes out;
    for (const TileShape& child : plain) {
        for (int parentKind = 0; parentKind < 2; ++parentKind) {
            for (const ChildRule& rule : childRules(parentKind)) {
                if (rule.kind != child.kind) continue;
                const TileShape parent = parentOf(rule, parentKind, child);
                if (seen.find(parent.kind, parent.angle, parent.x, parent.y, proposedAt) >= 0) continue;
                seen.add(parent, static_cast<int>(proposed.size()));
                proposed.push_back(parent);

                // Keep it when every child stands; take its colour from them.
                bool complete = true;
                int32_t wholeColor = 0, sharedColor = 0;
                for (const ChildRule& r : childRules(parentKind)) {
                    const TileShape c = childOf(r, parent.angle, parent.x, parent.y, 1);
                    const int id = present.find(c.kind, c.angle, c.x, c.y, inputAt);
                    if (id < 0) {
                        complete = false;
                        break;
                    }
                    const int32_t color = plainColor(plain[static_cast<std::size_t>(id)].color);
                    if (r.whole) wholeColor = color;
                    if (sharedColor == 0) sharedColor = color;
                    else if (sharedColor != color) sharedColor = -1;
                }
                if (!complete) continue;
                TileShape kept = parent;
                kept.color = wholeColor != 0 ? wholeColor : (sharedColor > 0 ? sharedColor : 1);
                out.push_back(kept);
            }
        }
    }
    return out;
}

// Counts the shapes that a rebuild refuses.
class RefusalCounter : public RebuildObserver {
public:
    void shapeRefused(int shapeIndex) override { refused.push_back(shapeIndex); }
    std::vector<int> refused;
};

// A tiling beside the document in which a result is ordered and its contour
// rebuilt, so that the document changes only once everything has worked.
struct Workspace {
    explicit Workspace(const Tiling& t) : scratch(std::make_unique<Tiling>()) {
        scratch->largeTemplate = t.largeTemplate;
        scratch->smallTemplate = t.smallTemplate;
    }

    // Puts `shapes`, in rows, into the workspace with a contour. Where
    // shapes overlap, those later in the given order are left out and
    // counted in `dropped`. False when the contour does not fit in its table.
    bool settle(const Shapes& shapes, int& dropped) {
        load(shapes);
        sortIntoRows(*scratch);
        RefusalCounter counter;
        if (rebuildContour(*scratch, counter)) return true;
        if (counter.refused.empty()) return false;
        // Find the overlapping shapes in the given order, then order the rest.
        load(shapes);
        if (!rebuildDropping(dropped)) return false;
        sortIntoRows(*scratch);
        return rebuildDropping(dropped);
    }

    Shapes shapes() const { return Shapes(scratch->shapes, scratch->shapes + scratch->shapeLast + 1); }

    // Hands the settled shapes and contour over to the document.
    void commit(Tiling& t) const {
        const Tiling& w = *scratch;
        std::copy(w.shapes, w.shapes + w.shapeLast + 1, t.shapes);
        t.shapeLast = w.shapeLast;
        std::copy(w.contour, w.contour + w.contourLast + 1, t.contour);
        t.contourLast = w.contourLast;
    }

    std::unique_ptr<Tiling> scratch;

private:
    void load(const Shapes& shapes) {
        scratch->shapeLast = static_cast<int>(shapes.size()) - 1;
        std::copy(shapes.begin(), shapes.end(), scratch->shapes);
    }

    // Rebuilds the contour in table order, taking out the shapes it refuses
    // until it refuses none. False when the contour table runs full.
    bool rebuildDropping(int& dropped) {
        Tiling& w = *scratch;
        for (;;) {
            RefusalCounter counter;
            if (rebuildContour(w, counter)) return true;
            // A rebuild that failed without refusing a shape ran out of contour.
            if (counter.refused.empty()) return false;
            // The refused shapes added nothing to the contour, so without
            // them the same merges succeed again.
            int kept = 0;
            std::size_t r = 0;
            for (int i = 0; i <= w.shapeLast; ++i) {
                if (r < counter.refused.size() && counter.refused[r] == i) {
                    ++r;
                    continue;
                }
                w.shapes[kept++] = w.shapes[i];
            }
            dropped += w.shapeLast + 1 - kept;
            w.shapeLast = kept - 1;
        }
    }
};

// Shared edges of `shapes` whose arrows differ, counted as the rules check
// counts them; `t` gives the shapes' templates.
int arrowConflictsOf(const Tiling& t, const Shapes& shapes) {
    VertexSet v(t, static_cast<int>(shapes.size()));
    for (std::size_t i = 0; i < shapes.size(); ++i) v.addShape(static_cast<int>(i), shapes[i]);
    return countArrowConflicts(v);
}

// The shape table, its last index brought back into the table.
Shapes shapesOf(const Tiling& t) {
    const int last = std::clamp(t.shapeLast, -1, kMaxShapes - 1);
    return Shapes(t.shapes, t.shapes + last + 1);
}

}  // namespace

DeflateResult deflateTiling(Tiling& t, int times) {
    DeflateResult result;
    Shapes current = shapesOf(t);
    result.shapes = static_cast<int>(current.size());
    if (current.empty()) {
        result.outcome = DeflateOutcome::Empty;
        return result;
    }
    Workspace work(t);
    for (int step = 0; step < std::max(times, 1); ++step) {
        // Across a conflicting edge the two parents make different halves,
        // which would overlap.
        const int conflicts = arrowConflictsOf(t, current);
        if (conflicts > 0) {
            result.outcome = DeflateOutcome::ArrowConflicts;
            result.arrowConflicts = conflicts;
            return result;
        }
        Shapes next = deflateShapes(current);
        result.shapes = static_cast<int>(next.size());
        if (next.size() > static_cast<std::size_t>(kMaxShapes) || !work.settle(next, result.dropped)) {
            result.outcome = DeflateOutcome::TooLarge;
            return result;
        }
        current = work.shapes();
        result.shapes = static_cast<int>(current.size());
    }
    work.commit(t);
    return result;
}

DeflateResult composeTiling(Tiling& t) {
    DeflateResult result;
    const Shapes current = shapesOf(t);
    if (current.empty()) {
        result.outcome = DeflateOutcome::Empty;
        return result;
    }
    const Shapes parents = composeShapes(current);
    result.shapes = static_cast<int>(parents.size());
    if (parents.empty()) {
        result.outcome = DeflateOutcome::NothingComposed;
        return result;
    }
    Workspace work(t);
    // Fewer parents than children: the tables always have room.
    if (!work.settle(parents, result.dropped)) {
        result.outcome = DeflateOutcome::TooLarge;
        return result;
    }
    result.shapes = work.scratch->shapeLast + 1;
    work.commit(t);
    return result;
}

std::string deflateResultText(const DeflateResult& r, bool composing) {
    const std::string verb = composing ? "compose" : "deflate";
    switch (r.outcome) {
        case DeflateOutcome::Done: {
            std::string text = (composing ? "composed: " : "deflated: ") + std::to_string(r.shapes) + " shapes";
            if (r.dropped > 0) text += ", " + std::to_string(r.dropped) + " overlapping shapes left out";
            return text;
        }
        case DeflateOutcome::ArrowConflicts:
            return "Can not " + verb + ": " + std::to_string(r.arrowConflicts) +
                   " arrow conflicts (the halves of their shapes would overlap)";
        case DeflateOutcome::TooLarge:
            if (r.shapes > kMaxShapes)
                return "Can not " + verb + ": the result would have " + std::to_string(r.shapes) +
                       " shapes, more than " + std::to_string(kMaxShapes);
            return "Can not " + verb + ": the contour of the result would have more than " +
                   std::to_string(kMaxContour) + " points";
        case DeflateOutcome::Empty:
            return "Can not " + verb + ": there are no shapes";
        case DeflateOutcome::NothingComposed:
            return "Can not compose: no shape has all the children of a parent";
    }
    return {};
}

}  // namespace rho

#include "tiling/History.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tiling/Tiling.h"

namespace rho {

namespace {

// Beyond this many single-record edits a stretch of different length is
// stored whole rather than searched further.
constexpr int kMaxEdits = 64;

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Equal but for the selection (the color's sign).
bool sameShape(const TileShape& a, const TileShape& b) {
    return sameBits(a.x, b.x) && sameBits(a.y, b.y) && a.kind == b.kind && a.angle == b.angle &&
           (a.color == b.color || static_cast<int64_t>(a.color) == -static_cast<int64_t>(b.color));
}

bool sameVertex(const ContourVertex& a, const ContourVertex& b) {
    return std::memcmp(a.sectors, b.sectors, sizeof a.sectors) == 0 && sameBits(a.x, b.x) && sameBits(a.y, b.y);
}

struct Edit {
    bool insert;  // b[y] inserted at (x, y); otherwise a[x] deleted
    int x;
    int y;
};

// The furthest x a path of `d` edits reaches on diagonal k, from the round
// before (`prev`); sets `fromK` to the diagonal it came from. -1 when the
// diagonal cannot be reached inside the grid.
int furthest(const std::vector<int>& prev, int off, int d, int k, int n, int m, int& fromK) {
    int best = -1;
    if (k < d && prev[off + k + 1] >= 0 && prev[off + k + 1] - k <= m) {
        best = prev[off + k + 1];
        fromK = k + 1;
    }
    if (k > -d && prev[off + k - 1] >= 0 && prev[off + k - 1] + 1 <= n && prev[off + k - 1] + 1 > best) {
        best = prev[off + k - 1] + 1;
        fromK = k - 1;
    }
    return best;
}

// Myers' shortest edit script of a[0, n) into b[0, m) with at most maxD
// single-record edits, in forward order. False when more are needed.
template <class R, class Eq>
bool shortestEdits(const R* a, int n, const R* b, int m, int maxD, Eq eq, std::vector<Edit>& edits) {
    const int off = maxD + 1;
    std::vector<int> v(2 * maxD + 3, -1);
    std::vector<std::vector<int>> trace;
    for (int d = 0; d <= maxD; ++d) {
        trace.push_back(v);
        for (int k = -d; k <= d; k += 2) {
            int fromK = 0;
            int x = d == 0 ? 0 : furthest(trace[d], off, d, k, n, m, fromK);
            if (x < 0) {
                v[off + k] = -1;
                continue;
            }
            int y = x - k;
            while (x < n && y < m && eq(a[x], b[y])) {
                ++x;
                ++y;
            }
            v[off + k] = x;
            if (x < n || y < m) continue;
            // Walk back from the end, one edit per round.
            int cx = n;
            int cy = m;
            for (int e = d; e > 0; --e) {
                const int ck = cx - cy;
                int prevK = 0;
                furthest(trace[e], off, e, ck, n, m, prevK);
                const int px = trace[e][off + prevK];
                const int py = px - prevK;
                edits.push_back(Edit{prevK == ck + 1, px, py});
                cx = px;
                cy = py;
            }
            std::reverse(edits.begin(), edits.end());
            return true;
        }
    }
    return false;
}

// Groups a forward edit script into hunks of adjacent edits.
std::vector<HistoryHunk> hunksOf(const std::vector<Edit>& edits) {
    std::vector<HistoryHunk> hunks;
    for (const Edit& e : edits) {
        if (hunks.empty() || hunks.back().oldPos + hunks.back().oldCount != e.x ||
            hunks.back().newPos + hunks.back().newCount != e.y) {
            hunks.push_back(HistoryHunk{e.x, 0, e.y, 0, 0, 0});
        }
        if (e.insert) ++hunks.back().newCount;
        else ++hunks.back().oldCount;
    }
    return hunks;
}

// Changed stretches of two tables of the same length, compared place by place.
template <class R, class Eq>
std::vector<HistoryHunk> changedRuns(const R* a, const R* b, int n, Eq eq, int& changed) {
    std::vector<HistoryHunk> hunks;
    changed = 0;
    for (int i = 0; i < n;) {
        if (eq(a[i], b[i])) {
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < n && !eq(a[j], b[j])) ++j;
        hunks.push_back(HistoryHunk{i, j - i, i, j - i, 0, 0});
        changed += j - i;
        i = j;
    }
    return hunks;
}

std::size_t hunkCost(const std::vector<HistoryHunk>& hunks, std::size_t recordSize) {
    std::size_t records = 0;
    for (const HistoryHunk& h : hunks) records += static_cast<std::size_t>(h.oldCount + h.newCount);
    return hunks.size() * sizeof(HistoryHunk) + records * recordSize;
}

// What turned a[0, n) into b[0, m): common ends are skipped; the middle is
// compared place by place when both have one length, searched for a short
// edit script, and otherwise stored whole.
template <class R, class Eq>
TableChange<R> diffTables(const R* a, int n, const R* b, int m, Eq eq) {
    TableChange<R> change;
    change.oldLast = n - 1;
    change.newLast = m - 1;
    int p = 0;
    while (p < n && p < m && eq(a[p], b[p])) ++p;
    int s = 0;
    while (s < n - p && s < m - p && eq(a[n - 1 - s], b[m - 1 - s])) ++s;
    const int na = n - p - s;
    const int nb = m - p - s;
    if (na == 0 && nb == 0) return change;

    std::vector<HistoryHunk> hunks{HistoryHunk{0, na, 0, nb, 0, 0}};
    if (na > 0 && nb > 0) {
        bool searched = true;
        if (na == nb) {
            int changed = 0;
            hunks = changedRuns(a + p, b + p, na, eq, changed);
            // A record taken out with another appended shifts everything
            // between them: an edit script says that in two records.
            searched = changed > 2;
        }
        std::vector<Edit> edits;
        if (searched && shortestEdits(a + p, na, b + p, nb, kMaxEdits, eq, edits)) {
            std::vector<HistoryHunk> scripted = hunksOf(edits);
            if (hunkCost(scripted, sizeof(R)) < hunkCost(hunks, sizeof(R))) hunks = std::move(scripted);
        }
    }
    for (HistoryHunk& h : hunks) {
        h.oldPos += p;
        h.newPos += p;
        h.oldAt = static_cast<int32_t>(change.oldRecords.size());
        h.newAt = static_cast<int32_t>(change.newRecords.size());
        change.oldRecords.insert(change.oldRecords.end(), a + h.oldPos, a + h.oldPos + h.oldCount);
        change.newRecords.insert(change.newRecords.end(), b + h.newPos, b + h.newPos + h.newCount);
    }
    change.hunks = std::move(hunks);
    change.hunks.shrink_to_fit();
    return change;
}

// Applies a change to the table: forward turns the old records into the new
// ones, backward the new into the old. The last hunk goes first, so the
// places of the earlier ones still hold.
template <class R>
void applyChange(const TableChange<R>& c, R* table, int32_t& last, bool forward) {
    int count = last + 1;
    for (auto h = c.hunks.rbegin(); h != c.hunks.rend(); ++h) {
        const int pos = forward ? h->oldPos : h->newPos;
        const int from = forward ? h->oldCount : h->newCount;
        const int to = forward ? h->newCount : h->oldCount;
        const R* source = forward ? c.newRecords.data() + h->newAt : c.oldRecords.data() + h->oldAt;
        if (from != to) {
            std::memmove(static_cast<void*>(table + pos + to), table + pos + from,
                         static_cast<std::size_t>(count - pos - from) * sizeof(R));
            count += to - from;
        }
        std::copy(source, source + to, table + pos);
    }
    last = forward ? c.newLast : c.oldLast;
}

const std::string kNoLabel;

}  // namespace

void History::reset(const Tiling& t) {
    steps_.clear();
    pos_ = 0;
    saved_ = 0;
    bytes_ = 0;
    syncShadow(t);
}

void History::syncShadow(const Tiling& t) {
    shadowShapes_.assign(t.shapes, t.shapes + t.shapeCount());
    shadowContour_.assign(t.contour, t.contour + t.contourCount());
}

bool History::shadowMatches(const Tiling& t) const {
    return shadowShapes_.size() == static_cast<std::size_t>(t.shapeCount()) &&
           shadowContour_.size() == static_cast<std::size_t>(t.contourCount()) &&
           std::memcmp(shadowShapes_.data(), t.shapes, shadowShapes_.size() * sizeof(TileShape)) == 0 &&
           std::memcmp(shadowContour_.data(), t.contour, shadowContour_.size() * sizeof(ContourVertex)) == 0;
}

bool History::record(const Tiling& t, std::string label) {
    if (shadowMatches(t)) return false;
    HistoryStep step;
    step.shapes = diffTables(shadowShapes_.data(), static_cast<int>(shadowShapes_.size()), t.shapes, t.shapeCount(),
                             sameShape);
    step.contour = diffTables(shadowContour_.data(), static_cast<int>(shadowContour_.size()), t.contour,
                              t.contourCount(), sameVertex);
    syncShadow(t);
    if (step.shapes.empty() && step.contour.empty()) return false;

    step.label = std::move(label);
    step.bytes = sizeof(HistoryStep) + step.label.capacity() + step.shapes.bytes() + step.contour.bytes();
    while (steps_.size() > pos_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (saved_ > static_cast<long>(pos_)) saved_ = -1;
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++pos_;
    enforceLimits();
    return true;
}

void History::dropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --pos_;
    saved_ = saved_ > 0 ? saved_ - 1 : -1;
}

void History::enforceLimits() {
    while (!steps_.empty() && (steps_.size() > maxSteps_ || bytes_ > maxBytes_)) {
        // The step furthest from the current state goes: the oldest, or
        // the last one redo would reach when more lie ahead than behind.
        if (pos_ > 0 && pos_ >= steps_.size() - pos_) {
            dropOldest();
            continue;
        }
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
        if (saved_ > static_cast<long>(steps_.size())) saved_ = -1;
    }
}

void History::setLimits(std::size_t maxSteps, std::size_t maxBytes) {
    maxSteps_ = maxSteps;
    maxBytes_ = maxBytes;
    enforceLimits();
}

const std::string& History::undoLabel() const { return canUndo() ? steps_[pos_ - 1].label : kNoLabel; }

const std::string& History::redoLabel() const { return canRedo() ? steps_[pos_].label : kNoLabel; }

bool History::undo(Tiling& t) {
    // A change nobody recorded would make the step's places wrong: it
    // becomes a step of its own first.
    if (!shadowMatches(t)) record(t, "edit");
    if (!canUndo()) return false;
    const HistoryStep& step = steps_[pos_ - 1];
    applyChange(step.shapes, t.shapes, t.shapeLast, false);
    applyChange(step.contour, t.contour, t.contourLast, false);
    --pos_;
    syncShadow(t);
    return true;
}

bool History::redo(Tiling& t) {
    if (!shadowMatches(t)) record(t, "edit");
    if (!canRedo()) return false;
    const HistoryStep& step = steps_[pos_];
    applyChange(step.shapes, t.shapes, t.shapeLast, true);
    applyChange(step.contour, t.contour, t.contourLast, true);
    ++pos_;
    syncShadow(t);
    return true;
}

void History::noteSelection(const Tiling& t) {
    if (shadowShapes_.size() != static_cast<std::size_t>(t.shapeCount())) return;
    for (std::size_t i = 0; i < shadowShapes_.size(); ++i) {
        if (!sameShape(shadowShapes_[i], t.shapes[i])) return;
    }
    for (std::size_t i = 0; i < shadowShapes_.size(); ++i) shadowShapes_[i].color = t.shapes[i].color;
}

std::size_t History::shadowBytes() const {
    return shadowShapes_.capacity() * sizeof(TileShape) + shadowContour_.capacity() * sizeof(ContourVertex);
}

}  // namespace rho

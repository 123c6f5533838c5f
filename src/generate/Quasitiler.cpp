#include "generate/Quasitiler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "edit/ContourRecalculation.h"
#include "edit/OrderShapes.h"
#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRingStep = 0.4;
// Per-family shifts of the lines; family 0 is unshifted.
constexpr double kShiftU = 0.1132;
constexpr double kShiftV = 0.2137;
// Squared diagonal that separates the large rhomb (about 4189) from the
// small one (about 611).
constexpr double kLargeDiagonalSquared = 800.0;

// Raw direction class 0..10 of the long diagonal to the stored angle class.
constexpr int32_t kLargeAngleClass[11] = {1, 4, 4, 2, 2, 0, 0, 3, 3, 1, 1};
constexpr int32_t kSmallAngleClass[11] = {2, 2, 0, 0, 3, 3, 1, 1, 4, 4, 2};

// Bounds of the ring walk at the largest radius the line table holds.
constexpr int kMaxInnerLines = kQuasiMaxLines - 2;
constexpr int kMaxPairs = kMaxInnerLines * kMaxInnerLines;
constexpr int kMaxDistance = 2 * (kQuasiMaxLines / 2) * (kQuasiMaxLines / 2);
constexpr int kMaxRings = static_cast<int>((kQuasiMaxLines - 1) / kRingStep) + 4;

bool appendShape(Tiling& t, const TileShape& s) {
    if (t.shapeLast >= kMaxShapes - 1) return false;
    t.shapes[++t.shapeLast] = s;
    return true;
}

// Every accepted crossing of the pair (r, t), in the family order
// (0,1), (0,2), (0,3), (0,4), (1,2), ... (3,4). False once the table is full.
bool emitPair(Tiling& tiling, const Pentagrid& g, int r, int t) {
    for (int i = 0; i < kGridFamilies - 1; ++i) {
        for (int k = i + 1; k < kGridFamilies; ++k) {
            Crossing c;
            if (!crossLines(g, i, r, k, t, c)) continue;
            if (!appendShape(tiling, shapeOfCrossing(g, c))) return false;
        }
    }
    return true;
}

}  // namespace

bool setUpPentagrid(Pentagrid& g, int n) {
    if (n < 0 || n > kQuasiMaxLines) return false;
    g.n = n;
    g.half = n / 2;
    g.centre = static_cast<int>((n - 1) * 0.5);
    for (int m = 0; m < kGridFamilies; ++m) {
        const double theta = (2 * m) / (kGridFamilies * 1.0) * kPi;
        g.cosv[m] = std::cos(theta);
        g.sinv[m] = std::sin(theta);
        g.slope[m] = g.sinv[m] / g.cosv[m];
        for (int j = 0; j < n; ++j) {
            const int d = j - g.half;
            const double u = m * kShiftU * g.sinv[m] - d * g.cosv[m];
            const double v = m * kShiftV * g.cosv[m] + d * g.sinv[m];
            g.intercept[m][j] = u - g.slope[m] * v;
        }
    }
    return true;
}

bool crossLines(const Pentagrid& g, int i, int r, int k, int t, Crossing& c) {
    const double y = (g.intercept[i][r] - g.intercept[k][t]) / (g.slope[k] - g.slope[i]);
    const double x = g.slope[i] * y + g.intercept[i][r];
    int K[kGridFamilies];
    for (int m = 0; m < kGridFamilies; ++m) {
        if (m == i || m == k) continue;
        K[m] = static_cast<int>(-((x - g.intercept[m][0]) * g.cosv[m] - y * g.sinv[m]));
        if (K[m] > g.n - 3 || K[m] < 1) return false;
    }
    K[i] = r - 1;
    K[k] = t - 1;
    double X = 0.0;
    double Y = 0.0;
    for (int m = 0; m < kGridFamilies; ++m) {
        X += K[m] * g.cosv[m];
        Y += K[m] * g.sinv[m];
    }
    c.i = i;
    c.k = k;
    c.X = X;
    c.Y = Y;
    return true;
}

TileShape shapeOfCrossing(const Pentagrid& g, const Crossing& c) {
    const double X3 = c.X + g.cosv[c.i] + g.cosv[c.k];
    const double Y3 = c.Y + g.sinv[c.i] + g.sinv[c.k];
    const double A1 = kQuasiScale * c.X;
    const double B1 = kQuasiScale * c.Y;
    const double A3 = kQuasiScale * X3;
    const double B3 = kQuasiScale * Y3;

    // The sine sums give world x and the cosine sums world y.
    TileShape s;
    s.x = (B1 + B3) * 0.5;
    s.y = (A1 + A3) * 0.5;
    s.color = 1;
    const double d2 = (B1 - B3) * (B1 - B3) + (A1 - A3) * (A1 - A3);
    s.kind = d2 >= kLargeDiagonalSquared ? kLargeShape : kSmallShape;

    double a = std::atan2(s.x - B3, s.y - A3) * kDegreesPerRadian;
    if (a < 0) a += 360.0;
    // a lies in 0..360, so truncation is the floor; 360 itself gives class 10.
    int raw = static_cast<int>(a * (1.0 / 36.0));
    if (raw > 10) raw = 10;
    s.angle = s.kind == kLargeShape ? kLargeAngleClass[raw] : kSmallAngleClass[raw];
    return s;
}

bool generateQuasiTiling(Tiling& tiling, int n) {
    Pentagrid g;
    if (!setUpPentagrid(g, n)) return false;
    tiling.shapeLast = -1;
    if (n < 3) return true;  // no inner lines to cross

    // The pairs (r, t), r and t in 1..n-2, are visited ring by ring: ring q
    // holds the pairs whose squared index distance D from the centre obeys
    // radius_q^2 <= D < (radius_q + 0.4)^2, the radius accumulated from 0 in
    // steps of 0.4 while it is <= n - 1; within a ring they go in (r, t) order. Rather than
    // scanning every pair for every ring, each integer D is given its ring
    // once, and the pairs are bucketed by ring in (r, t) order.
    const int c = g.centre;
    const int farthest = std::max(c - 1, n - 2 - c);
    const int maxD = 2 * farthest * farthest;

    int ringOfD[kMaxDistance + 1];
    for (int dist = 0; dist <= maxD; ++dist) ringOfD[dist] = -1;
    int rings = 0;
    int d = 0;
    const double last = n - 1;
    for (double radius = 0.0; radius <= last && d <= maxD && rings < kMaxRings; radius += kRingStep, ++rings) {
        // The next ring's radius is this very `next`, so the rings meet exactly.
        const double next = radius + kRingStep;
        const double lower = radius * radius;
        const double upper = next * next;
        for (; d <= maxD && d < upper; ++d) {
            if (lower <= d) ringOfD[d] = rings;
        }
    }

    int ringStart[kMaxRings + 1] = {};
    for (int r = 1; r <= n - 2; ++r) {
        for (int t = 1; t <= n - 2; ++t) {
            const int q = ringOfD[(r - c) * (r - c) + (t - c) * (t - c)];
            if (q >= 0) ++ringStart[q + 1];
        }
    }
    for (int q = 0; q < rings; ++q) ringStart[q + 1] += ringStart[q];

    int16_t pairR[kMaxPairs];
    int16_t pairT[kMaxPairs];
    for (int r = 1; r <= n - 2; ++r) {
        for (int t = 1; t <= n - 2; ++t) {
            const int q = ringOfD[(r - c) * (r - c) + (t - c) * (t - c)];
            if (q < 0) continue;
            const int slot = ringStart[q]++;
            pairR[slot] = static_cast<int16_t>(r);
            pairT[slot] = static_cast<int16_t>(t);
        }
    }

    // ringStart[q] now marks the end of ring q, the last one the end of all.
    const int pairs = rings > 0 ? ringStart[rings - 1] : 0;
    for (int p = 0; p < pairs; ++p) {
        if (!emitPair(tiling, g, pairR[p], pairT[p])) break;
    }
    return true;
}

void settleGeneratedPatch(Tiling& t, Shell& shell, const char* label) {
    orderShapes(t, shell);
    recalculateContour(t, shell);
    redrawView(t, shell);
    announce(t, shell, "idle");
    documentChanged(t, label);
}

void runQuasitiler(Tiling& t, Shell& shell, int n) {
    if (n < 0 || n > kQuasiMaxLines) return;
    announce(t, shell, "quaitiler works...");
    generateQuasiTiling(t, n);
    settleGeneratedPatch(t, shell, "quasitiler");
}

}  // namespace rho

#include "rules/PenrosePatch.h"

#include <cmath>
#include <vector>

#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr int kFamilies = 5;
constexpr double kPi = 3.141592653589793;
constexpr double kSide = 40.0;
// Grid radius per step of the patch radius, fitted to the quasitiler's shape
// counts: there are about 7.69 crossings per unit of grid area (the sines of
// 72 and 144 degrees, five family pairs each), and the quasitiler's patches
// hold about as many as a disc of radius 0.511 (n - 3).
constexpr double kGridRadiusPerStep = 0.511;
constexpr double kCrossingsPerArea = 7.7;
constexpr int kRadiusOffset = 3;
// Width of one ring of crossings, in grid line spacings.
constexpr double kRingStep = 0.4;

constexpr int offsetSum() {
    int sum = 0;
    for (int numerator : kPenroseOffsets) sum += numerator;
    return sum;
}
static_assert(offsetSum() == 0, "the grid offsets must sum to 0 for a true Penrose tiling");

// The five unit vectors e_j at 18 + 72j degrees and the offsets g_j. Line k
// of family j is the set of grid points z with z.e_j + g_j = k; a mesh's
// dual point is sum K_j e_j with K_j = ceil(z.e_j + g_j) for any z inside it,
// and its vertex index is sum K_j. As the offsets and the unit vectors both
// sum to 0, every index lies in 1..4.
struct Grid {
    double c[kFamilies];
    double s[kFamilies];
    double offset[kFamilies];
};

void setUpGrid(Grid& g) {
    for (int j = 0; j < kFamilies; ++j) {
        const double theta = (18.0 + 72.0 * j) * kPi / 180.0;
        g.c[j] = std::cos(theta);
        g.s[j] = std::sin(theta);
        g.offset[j] = static_cast<double>(kPenroseOffsets[j]) / kPenroseOffsetDenominator;
    }
}

struct RingedShape {
    TileShape shape;
    int ring;
};

// The angle of the rhomb of families r < s whose corner V00 (the dual point
// of the mesh below both lines) has vertex index `index`; V11 has index + 2.
// e_j points along step 2j of the ten directions 18 + 36k degrees.
//
// Thick (families 72 degrees apart): V00 is an acute corner, and template
// corner V0 at angle a sends its edges along steps a and a + 2, so a is 2r
// (s = r + 1) or 2s (s = r + 4). Thin (144 degrees apart): V00 is an obtuse
// corner, and template corner V1 sends its edges along steps a + 1 and a + 7,
// so a is 2r + 3 (s = r + 2) or 2r - 1 (s = r + 3). At V11 the edges turn
// round, which is a + 5. The arrows agree when thick V0 and thin V1 sit on
// index 2 or 3: on V00 when its index is 2, on V11 (index 3) when it is 1.
int angleOf(int r, int s, int index) {
    const int gap = s - r;
    int base = 0;
    if (gap == 1) base = 2 * r;
    else if (gap == 4) base = 2 * s;
    else if (gap == 2) base = 2 * r + 3;
    else base = 2 * r - 1;
    if (index != 2) base += 5;
    return ((base % 10) + 10) % 10;
}

// Every crossing of a line of family r with a line of family s (r < s)
// within `rho` of the grid's origin, as a rhomb with its ring.
void crossFamilies(const Grid& g, int r, int s, double rho, std::vector<RingedShape>& out) {
    const double det = g.c[r] * g.s[s] - g.s[r] * g.c[s];
    const bool thick = s - r == 1 || s - r == 4;
    const double halfX = 0.5 * (g.c[r] + g.c[s]);
    const double halfY = 0.5 * (g.s[r] + g.s[s]);
    const int firstR = static_cast<int>(std::ceil(g.offset[r] - rho));
    const int lastR = static_cast<int>(std::floor(g.offset[r] + rho));
    const int firstS = static_cast<int>(std::ceil(g.offset[s] - rho));
    const int lastS = static_cast<int>(std::floor(g.offset[s] + rho));
    for (int kr = firstR; kr <= lastR; ++kr) {
        const double p = kr - g.offset[r];
        for (int ks = firstS; ks <= lastS; ++ks) {
            const double q = ks - g.offset[s];
            const double x = (p * g.s[s] - q * g.s[r]) / det;
            const double y = (g.c[r] * q - g.c[s] * p) / det;
            const double d2 = x * x + y * y;
            if (d2 > rho * rho) continue;

            int K[kFamilies];
            int index = 0;
            for (int j = 0; j < kFamilies; ++j) {
                if (j == r) K[j] = kr;
                else if (j == s) K[j] = ks;
                else K[j] = static_cast<int>(std::ceil(x * g.c[j] + y * g.s[j] + g.offset[j]));
                index += K[j];
            }
            // Summed in family order from the same integers, a corner shared by
            // several rhombs comes out bit for bit the same in each.
            double vx = 0.0;
            double vy = 0.0;
            for (int j = 0; j < kFamilies; ++j) {
                vx += K[j] * g.c[j];
                vy += K[j] * g.s[j];
            }
            RingedShape placed;
            placed.shape.x = kSide * (vx + halfX);
            placed.shape.y = kSide * (vy + halfY);
            placed.shape.kind = thick ? kLargeShape : kSmallShape;
            placed.shape.angle = angleOf(r, s, index);
            placed.shape.color = 1;
            placed.ring = static_cast<int>(std::sqrt(d2) / kRingStep);
            out.push_back(placed);
        }
    }
}

}  // namespace

double penroseGridRadius(int radius) { return (radius - kRadiusOffset) * kGridRadiusPerStep; }

bool fillPenrosePatch(Tiling& t, int radius) {
    if (radius < kPenroseMinRadius || radius > kPenroseMaxRadius) return false;
    Grid g;
    setUpGrid(g);
    const double rho = penroseGridRadius(radius);

    std::vector<RingedShape> found;
    found.reserve(static_cast<size_t>(kCrossingsPerArea * kPi * rho * rho) + 256);
    for (int r = 0; r < kFamilies - 1; ++r) {
        for (int s = r + 1; s < kFamilies; ++s) crossFamilies(g, r, s, rho, found);
    }

    // Ring by ring outward; within a ring in the order found.
    const int rings = static_cast<int>(rho / kRingStep) + 2;
    std::vector<int> start(static_cast<size_t>(rings) + 1, 0);
    for (const RingedShape& f : found) ++start[static_cast<size_t>(f.ring) + 1];
    for (int q = 0; q < rings; ++q) start[static_cast<size_t>(q) + 1] += start[static_cast<size_t>(q)];
    t.shapeLast = -1;
    std::vector<int> slot(found.size());
    for (size_t i = 0; i < found.size(); ++i) slot[i] = start[static_cast<size_t>(found[i].ring)]++;
    for (size_t i = 0; i < found.size(); ++i) {
        if (slot[i] < kMaxShapes) t.shapes[slot[i]] = found[i].shape;
    }
    t.shapeLast = static_cast<int32_t>(found.size() < static_cast<size_t>(kMaxShapes) ? found.size() : kMaxShapes) - 1;
    return true;
}

bool generatePenrosePatch(Tiling& t, int radius) {
    if (!fillPenrosePatch(t, radius)) return false;
    sortIntoRows(t);
    RebuildObserver silent;
    rebuildContour(t, silent);
    return true;
}

}  // namespace rho

#include "rules/RuleFacts.h"

#include <cmath>

#include "geometry/MatrixStack.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {
// Corner codes.
constexpr int8_t t0 = 0, t1 = 1, t2 = 2, t3 = 3, T0 = 4, T1 = 5, T2 = 6, T3 = 7;

int codeWidth(int code) { return kRuleCornerWidth[code / 4][code % 4]; }

void setBit(StarMask& m, int i) {
    if (i < 64) m.lo |= uint64_t{1} << i;
    else m.hi |= uint64_t{1} << (i - 64);
}
}  // namespace

const VertexStar kVertexStars[8] = {
    {3, {t1, T1, T3}},
    {5, {t0, T0, t2, T3, T1}},
    {3, {t3, t3, T2}},
    {4, {t3, T2, T2, T2}},
    {7, {t0, T0, t2, t0, T0, T0, t2}},
    {5, {T2, T2, T2, T2, T2}},
    {6, {t0, T0, T0, T0, T0, t2}},
    {5, {T0, T0, T0, T0, T0}},
};

uint16_t cornerSlotMask(int code, int firstSlot) {
    uint16_t m = 0;
    for (int k = 0; k < codeWidth(code); ++k) m = static_cast<uint16_t>(m | (1u << ((firstSlot + k) % 10)));
    return m;
}

EdgeArrow edgeArrow(int32_t kind, int edge) {
    // Edges: 0 = V0V1, 1 = V1V2, 2 = V2V3, 3 = V3V0.
    static constexpr EdgeArrow kThin[4] = {{false, 1}, {false, 1}, {true, 3}, {true, 3}};
    static constexpr EdgeArrow kThick[4] = {{false, 1}, {true, 2}, {true, 2}, {false, 3}};
    return (ruleKind(kind) == 0 ? kThin : kThick)[edge & 3];
}

const StarCatalogue& StarCatalogue::instance() {
    static const StarCatalogue catalogue;
    return catalogue;
}

StarCatalogue::StarCatalogue() {
    for (int s = 0; s < 8; ++s) {
        const VertexStar& star = kVertexStars[s];
        for (int r = 0; r < 10; ++r) {
            StarPlacement p;
            p.star = s;
            p.rotation = r;
            for (int8_t& c : p.startCode) c = -1;
            int slot = r;
            for (int i = 0; i < star.count; ++i) {
                p.startCode[slot % 10] = star.corners[i];
                slot += codeWidth(star.corners[i]);
            }
            // A symmetric star repeats itself under some rotations: keep one.
            bool seen = false;
            for (int q = 0; q < count_ && !seen; ++q) {
                seen = true;
                for (int k = 0; k < 10; ++k) seen = seen && placements_[q].startCode[k] == p.startCode[k];
            }
            if (!seen) placements_[count_++] = p;
        }
    }
    for (int i = 0; i < count_; ++i) {
        for (int k = 0; k < 10; ++k) {
            if (placements_[i].startCode[k] >= 0) setBit(containing_[k][placements_[i].startCode[k]], i);
        }
    }
}

StarMask StarCatalogue::all() const {
    StarMask m;
    for (int i = 0; i < count_; ++i) setBit(m, i);
    return m;
}

PointReading readPoint(const SlotCorner* corners, int count) {
    const StarCatalogue& cat = StarCatalogue::instance();
    PointReading r;
    r.candidates = cat.all();
    int width = 0;
    for (int i = 0; i < count; ++i) {
        const int code = corners[i].code, slot = ((corners[i].slot % 10) + 10) % 10;
        r.candidates = r.candidates & cat.containing(slot, code);
        r.covered = static_cast<uint16_t>(r.covered | cornerSlotMask(code, slot));
        width += codeWidth(code);
    }
    int coveredCount = 0;
    for (int k = 0; k < 10; ++k) coveredCount += (r.covered >> k) & 1;
    r.overlap = width > coveredCount;
    // Two corners in one slot fit no star, even when they are the same corner twice.
    if (r.overlap) r.candidates = StarMask{};
    const bool full = r.covered == 0x3ff;
    if (r.candidates.empty()) r.verdict = full ? PointVerdict::Illegal : PointVerdict::DeadEnd;
    else r.verdict = full ? PointVerdict::Legal : PointVerdict::Open;
    return r;
}

CornerFrame::CornerFrame(const Tiling& t) : t_(&t) {
    for (int angle = 0; angle < 10; ++angle) {
        // The rotation factor exactly as rotateZ builds it, summed as the
        // point transform sums it before the translation term.
        const Matrix4 r = rotationMatrix(angle * 36.0);
        for (int kind = 0; kind < 2; ++kind) {
            const ShapeTemplate& tpl = templateFor(t, kind);
            for (int j = 0; j < 4; ++j) {
                const double x = tpl.corners[j].x, y = tpl.corners[j].y;
                long double cx = static_cast<long double>(r.m[0][0]) * x;
                cx += static_cast<long double>(r.m[0][1]) * y;
                cx += static_cast<long double>(r.m[0][2]) * 0.0;
                long double cy = static_cast<long double>(r.m[1][0]) * x;
                cy += static_cast<long double>(r.m[1][1]) * y;
                cy += static_cast<long double>(r.m[1][2]) * 0.0;
                turned_[kind][angle][j][0] = cx;
                turned_[kind][angle][j][1] = cy;
            }
        }
    }
}

Point2 CornerFrame::corner(const TileShape& s, int j) const {
    if (s.angle >= 0 && s.angle <= 9) {
        const long double* c = turned_[ruleKind(s.kind)][s.angle][j];
        return {static_cast<double>(c[0] + static_cast<long double>(s.x) * 1.0),
                static_cast<double>(c[1] + static_cast<long double>(s.y) * 1.0)};
    }
    // An angle from a damaged record: the full transform, as the contour does it.
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.translate(s.x, s.y, 0.0);
    ms.rotateZ(s.angle * 36.0);
    Point2 p;
    const Point2 tc = templateFor(*t_, s.kind).corners[j];
    ms.transformPoint(tc.x, tc.y, p.x, p.y);
    ms.popMatrix();
    return p;
}

void CornerFrame::corners(const TileShape& s, Point2 out[4]) const {
    for (int j = 0; j < 4; ++j) out[j] = corner(s, j);
}

Point2 CornerFrame::turned(int32_t kind, int32_t angle, int j) const {
    const long double* c = turned_[ruleKind(kind)][ruleAngle(angle)][j];
    return {static_cast<double>(c[0]), static_cast<double>(c[1])};
}

int directionSlot(Point2 a, Point2 b) {
    const double deg = std::atan2(b.y - a.y, b.x - a.x) * (180.0 / 3.14159265358979323846);
    const long k = std::lround((deg - 18.0) / 36.0);
    return static_cast<int>(((k % 10) + 10) % 10);
}

}  // namespace rho

#include "rules/DeflationTable.h"

#include <cmath>

namespace rho::deflation_detail {

namespace {

// Exact values, so that repeated deflation (every coordinate times the
// golden ratio each time) keeps shapes meeting far inside the contour's
// 5-unit tolerance.
const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;
const double kSin36 = std::sqrt(10.0 - 2.0 * std::sqrt(5.0)) / 4.0;
const double kSin72 = std::sqrt(10.0 + 2.0 * std::sqrt(5.0)) / 4.0;
const double kCos36 = kPhi / 2.0;
const double kCos72 = (kPhi - 1.0) / 2.0;

// Turning by a * 36 degrees, from +x toward +y; the values of the ten
// angles are exact up to the last bit and symmetric.
const double kCos[10] = {1.0, kCos36, kCos72, -kCos72, -kCos36, -1.0, -kCos36, -kCos72, kCos72, kCos36};
const double kSin[10] = {0.0, kSin36, kSin72, kSin72, kSin36, 0.0, -kSin36, -kSin72, -kSin72, -kSin36};

Point2 turn(int a, double x, double y) { return {x * kCos[a] - y * kSin[a], x * kSin[a] + y * kCos[a]}; }

// Offsets: 20 sin 36 = 11.7557, 10 phi = 16.1803, 20 phi = 32.3607,
// 20 (sin 36 + sin 72) = 30.7768, 20 sin 72 = 19.0211, 10 phi^2 = 26.1803,
// 10 / phi = 6.1803.
const ChildRule kThickChildren[5] = {
    {1, 5, -20.0 * kSin36, -10.0 * kPhi, true},
    {1, 4, 0.0, 20.0 * kPhi, false},
    {1, 6, 20.0 * (kSin36 + kSin72), 10.0, false},
    {0, 1, 20.0 * kSin72, -10.0 * kPhi * kPhi, false},
    {0, 3, -20.0 * (kSin36 + kSin72), 10.0, false},
};
const ChildRule kThinChildren[4] = {
    {1, 1, 20.0 * kSin72, 10.0 * kPhi * kPhi, false},
    {1, 5, 0.0, -20.0 * kPhi, false},
    {0, 3, -20.0 * kSin72, -10.0 / kPhi, false},
    {0, 7, -20.0 * kSin36, 10.0 * kPhi, false},
};

}  // namespace

std::span<const ChildRule> childRules(int parentKind) {
    if (parentKind == 0) return kThinChildren;
    return kThickChildren;
}

TileShape childOf(const ChildRule& rule, int parentAngle, double parentX, double parentY, int32_t color) {
    const Point2 o = turn(parentAngle, rule.ox, rule.oy);
    return {kPhi * parentX + o.x, kPhi * parentY + o.y, rule.kind, (parentAngle + rule.turn) % 10, color};
}

TileShape parentOf(const ChildRule& rule, int parentKind, const TileShape& child) {
    const int angle = ((child.angle - rule.turn) % 10 + 10) % 10;
    const Point2 o = turn(angle, rule.ox, rule.oy);
    return {(child.x - o.x) / kPhi, (child.y - o.y) / kPhi, parentKind == 0 ? 0 : 1, angle, 1};
}

}  // namespace rho::deflation_detail

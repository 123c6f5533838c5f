#include <gtest/gtest.h>

#include <cstring>

#include "geometry/MatrixStack.h"
#include "tiling/Records.h"

namespace rho {
namespace {

Point2 map(const MatrixStack& ms, double x, double y) {
    Point2 p;
    ms.transformPoint(x, y, p.x, p.y);
    return p;
}

bool sameBits(const Matrix4& a, const Matrix4& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(MatrixStack, FactorsApplyInReverseOrderOfIssue) {
    MatrixStack ms;
    ms.translate(100, 50, 0);
    ms.scale(2, 2, 1);
    EXPECT_EQ(map(ms, 1, 1).x, 102.0);
    EXPECT_EQ(map(ms, 1, 1).y, 52.0);
    ms.loadIdentity();
    ms.scale(2, 2, 1);
    ms.translate(100, 50, 0);
    EXPECT_EQ(map(ms, 1, 1).x, 202.0);
    ms.loadIdentity();
    ms.rotateZ(90);  // +x toward +y; the angle is not snapped, so cos 90 stays tiny
    EXPECT_NE(map(ms, 1, 0).x, 0.0);
    EXPECT_NEAR(map(ms, 1, 0).x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(map(ms, 1, 0).y, 1.0);
    EXPECT_DOUBLE_EQ(map(ms, 0, 1).x, -1.0);
}

TEST(MatrixStack, PushPopRestoreBitsAndIgnoreOverflow) {
    MatrixStack ms;
    ms.popMatrix();  // empty: ignored
    EXPECT_TRUE(sameBits(identityMatrix(), ms.current()));
    ms.translate(0.1, 0.7, 0);
    ms.rotateZ(36);
    const Matrix4 before = ms.current();
    for (int i = 0; i < 10; ++i) {
        ms.pushMatrix();
        ms.rotateZ(17.0 * i);
    }
    const Matrix4 deepest = ms.current();
    ms.pushMatrix();  // an 11th push is dropped
    EXPECT_EQ(ms.depth(), 10);
    EXPECT_TRUE(sameBits(deepest, ms.current()));
    for (int i = 0; i < 11; ++i) ms.popMatrix();
    EXPECT_EQ(ms.depth(), 0);
    EXPECT_TRUE(sameBits(before, ms.current()));
}

TEST(MatrixStack, ProductIsRoundedOnceFromExtendedPrecision) {
    // Summed in doubles, 0.1 * 3 gives 0.30000000000000004; summed in
    // extended precision and rounded once, the double nearest the exact sum.
    Matrix4 a{};
    Matrix4 b{};
    a.m[0][0] = a.m[0][1] = a.m[0][2] = 0.1;
    b.m[0][0] = b.m[1][0] = b.m[2][0] = 1.0;
    EXPECT_EQ(multiplyMatrix(a, b).m[0][0], static_cast<double>(static_cast<long double>(0.1) * 3));
}

}  // namespace
}  // namespace rho

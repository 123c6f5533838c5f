#include <gtest/gtest.h>

#include <cstring>

#include "render/MatrixStack.h"

namespace rho {
namespace {

struct Mapped {
    double x, y;
};

Mapped map(const MatrixStack& ms, double x, double y) {
    Mapped p{};
    ms.transformPoint(x, y, p.x, p.y);
    return p;
}

bool sameBits(const Matrix4& a, const Matrix4& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(MatrixStack, FactorsApplyInReverseOrderOfIssue) {
    MatrixStack ms;
    ms.resetTransform();
    EXPECT_EQ(map(ms, 3, 4).x, 3.0);
    EXPECT_EQ(map(ms, 3, 4).y, 4.0);

    ms.loadIdentity();
    ms.translate(100, 50, 0);
    ms.scale(2, 2, 1);
    EXPECT_EQ(map(ms, 1, 1).x, 102.0);
    EXPECT_EQ(map(ms, 1, 1).y, 52.0);

    ms.loadIdentity();
    ms.scale(2, 2, 1);
    ms.translate(100, 50, 0);
    EXPECT_EQ(map(ms, 1, 1).x, 202.0);
    EXPECT_EQ(map(ms, 1, 1).y, 102.0);
}

TEST(MatrixStack, RotationTurnsXTowardY) {
    MatrixStack ms;
    ms.resetTransform();
    ms.rotateZ(90);
    const Mapped a = map(ms, 1, 0);
    EXPECT_NEAR(a.x, 0.0, 1e-15);
    EXPECT_NE(a.x, 0.0);  // no snapping of the angle: cos 90 degrees stays a tiny value
    EXPECT_DOUBLE_EQ(a.y, 1.0);
    const Mapped b = map(ms, 0, 1);
    EXPECT_DOUBLE_EQ(b.x, -1.0);
    EXPECT_NEAR(b.y, 0.0, 1e-15);
}

TEST(MatrixStack, PushAndPopRestoreExactly) {
    MatrixStack ms;
    ms.resetTransform();
    ms.translate(0.1, 0.7, 0);
    ms.rotateZ(36);
    const Matrix4 before = ms.current();
    ms.pushMatrix();
    ms.scale(5, 5, 1);
    ms.popMatrix();
    EXPECT_TRUE(sameBits(before, ms.current()));
    EXPECT_EQ(ms.depth(), 0);

    for (int i = 0; i < 10; ++i) {
        ms.pushMatrix();
        ms.rotateZ(17.0 * i);
        ms.translate(i, -i, 0);
    }
    EXPECT_EQ(ms.depth(), 10);
    for (int i = 0; i < 10; ++i) ms.popMatrix();
    EXPECT_TRUE(sameBits(before, ms.current()));
}

TEST(MatrixStack, OverflowAndUnderflowAreIgnored) {
    MatrixStack ms;
    ms.resetTransform();
    ms.popMatrix();  // empty: nothing happens
    EXPECT_EQ(ms.depth(), 0);
    EXPECT_TRUE(sameBits(identityMatrix(), ms.current()));

    for (int i = 0; i < 10; ++i) ms.pushMatrix();
    ms.translate(9, 9, 0);
    const Matrix4 eleventh = ms.current();
    ms.pushMatrix();  // an 11th push is dropped
    EXPECT_EQ(ms.depth(), 10);
    EXPECT_TRUE(sameBits(eleventh, ms.current()));
    ms.popMatrix();
    EXPECT_TRUE(sameBits(identityMatrix(), ms.current()));
}

TEST(MatrixStack, ProductIsRoundedOnceFromExtendedPrecision) {
    // 0.1 * 3 summed in double gives 0.30000000000000004; summed in extended
    // precision and rounded once, the sum of the four products is the double
    // nearest the exact value.
    Matrix4 a{};
    Matrix4 b{};
    a.m[0][0] = a.m[0][1] = a.m[0][2] = 0.1;
    b.m[0][0] = b.m[1][0] = b.m[2][0] = 1.0;
    const long double exact = 0.1L * 0 + static_cast<long double>(0.1) * 3;
    EXPECT_EQ(multiplyMatrix(a, b).m[0][0], static_cast<double>(exact));
}

}  // namespace
}  // namespace rho

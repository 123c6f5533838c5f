#include <gtest/gtest.h>

#include "render/MatrixStack.h"

namespace rho {
namespace {

struct MatrixStackTest : ::testing::Test {
    MatrixStack ms;
    void SetUp() override { ms.resetTransform(); }
    Point map(double x, double y) { Point p; ms.transformPoint(x, y, p.x, p.y); return p; }
    struct Point { double x, y; };
};

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <utility>

#include "edit/EditTool.h"
#include "support/Placing.h"

namespace rho {
namespace {

using FloatingBoxTest = test::TilingFixture;

// A left press drags the floating shape only strictly inside the 20-pixel box
// around its centre pixel, truncated toward zero; on the box's edge, 10 pixels
// from the centre, and beyond it the press turns the shape instead.
TEST_F(FloatingBoxTest, LeftPressDragsOnlyStrictlyInsideTheBoxAroundTheTruncatedCentre) {
    EditTool tool{t, shell};
    addlargeshape1Click(t, shell);  // world (0, 0) is pixel (291.5, 207.5): centre (291, 207)
    const struct {
        int x, y;
        bool drags;
    } cases[] = {
        {281, 207, false}, {282, 207, true},  // left edge, one pixel inside
        {301, 207, false}, {300, 207, true},  // right edge
        {291, 197, false}, {291, 198, true},  // top edge
        {291, 217, false}, {291, 216, true},  // bottom edge
        {282, 198, true},  {300, 216, true},  // inner corners
        {281, 198, false}, {300, 217, false},  // one bound met, the other inside
    };
    for (const auto& c : cases) {
        t.floating.angle = 0;
        tool.press(MouseButton::Left, c.x, c.y);
        const std::pair expected = c.drags ? std::pair(1, 0) : std::pair(0, 1);
        EXPECT_EQ(std::pair(t.captured, t.floating.angle), expected) << c.x << ", " << c.y;
        EXPECT_EQ(shell.captured, c.drags) << c.x << ", " << c.y;
        tool.release(MouseButton::Left, c.x, c.y);
        ASSERT_EQ(t.captured, 0);
    }
    // Nothing was attached or moved by any of the presses.
    EXPECT_EQ(std::pair(t.floating.x, t.floating.y), std::pair(0.0, 0.0));
    EXPECT_EQ(t.shapeLast, -1);
}

}  // namespace
}  // namespace rho

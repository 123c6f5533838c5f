#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "edit/Selection.h"
#include "support/Placing.h"
#include "tiling/Contour.h"

namespace rho {
namespace {

struct ContourCapacityTest : test::TilingFixture {
    const TileShape shape{110.0, 100.0, kSmallShape, 0, 1};
    ContourVertex corner[4];

    void SetUp() override {
        buildCornerRecords(t, shape);
        for (int j = 0; j < 4; ++j) corner[j] = t.cornerScratch[j];
    }
    void padTo(int from, int count) {
        for (int c = from; c < count; ++c) t.contour[c] = {{1}, 1.0e6 + 30.0 * c, 0.0};
        t.contourLast = count - 1;
    }
    ContourVertex at(int j, const std::string& digits) const {
        ContourVertex v{{}, corner[j].x, corner[j].y};
        for (int k = 0; k < kSectors; ++k) v.sectors[k] = static_cast<uint8_t>(digits[k] - '0');
        return v;
    }
    std::string digitsOf(const ContourVertex& v) const {
        std::string s;
        for (int k = 0; k < kSectors; ++k) s += static_cast<char>('0' + v.sectors[k]);
        return s;
    }
};

TEST_F(ContourCapacityTest, AttachMayFillTheTableExactly) {
    ASSERT_EQ(digitsOf(corner[0]), "0000000001");
    const struct {
        const char* point;
        int before;
        bool attached;
        int after;
    } cases[] = {
        {"1000000000", kMaxContour - 3, true, kMaxContour},       // three corners appended
        {"1000000000", kMaxContour - 2, false, kMaxContour - 2},  // one too many
        {"1111111110", kMaxContour - 2, true, kMaxContour},       // three appended, one closed
        {"1111111110", kMaxContour - 1, false, kMaxContour - 1},
    };
    for (const auto& c : cases) {
        t.shapeLast = 0;
        t.shapes[0] = {-1.0e6, 0.0, kSmallShape, 0, 1};
        t.contour[0] = at(0, c.point);
        padTo(1, c.before);
        ASSERT_EQ(attachAt(shape.x + 3.0, shape.y - 2.0, kSmallShape, 0), c.attached) << c.point << " " << c.before;
        EXPECT_EQ(std::tuple(t.shapeLast + 1, t.contourLast + 1), std::tuple(c.attached ? 2 : 1, c.after))
            << c.point << " " << c.before;
        if (!c.attached) continue;
        EXPECT_EQ(std::tuple(t.shapes[1].x, t.shapes[1].y), std::tuple(shape.x, shape.y));
        for (int j = 1; j < 4; ++j) {
            const ContourVertex& p = t.contour[kMaxContour - 4 + j];
            EXPECT_EQ(std::tuple(p.x, p.y, digitsOf(p)), std::tuple(corner[j].x, corner[j].y, digitsOf(corner[j])));
        }
    }
}

TEST_F(ContourCapacityTest, EraseMayFillTheTableExactly) {
    // Corners 1..3 stand in points other shapes share (corner 2's alone in one case).
    const struct {
        bool cornerTwoAlone;
        int before;
        bool erased;
        int after;
    } cases[] = {
        {false, kMaxContour - 1, true, kMaxContour},  // one point more
        {false, kMaxContour, false, kMaxContour},
        {true, kMaxContour, true, kMaxContour},  // one in, one out
    };
    for (const auto& c : cases) {
        setShapes({shape});
        for (int j = 1; j < 4; ++j) {
            std::string digits = digitsOf(corner[j]);
            if (!(j == 2 && c.cornerTwoAlone)) digits[digits.find('0')] = '1';
            t.contour[j - 1] = at(j, digits);
        }
        padTo(3, c.before);
        const std::string kept = digitsOf(t.contour[0]);
        ASSERT_EQ(deleteShape(t, shell, 0), c.erased) << c.cornerTwoAlone << " " << c.before;
        EXPECT_EQ(std::tuple(t.shapeLast, t.contourLast + 1), std::tuple(c.erased ? -1 : 0, c.after))
            << c.cornerTwoAlone << " " << c.before;
        if (!c.erased) {
            EXPECT_EQ(digitsOf(t.contour[0]), kept);  // nothing subtracted
            continue;
        }
        const ContourVertex& back = t.contour[kMaxContour - 1];
        EXPECT_EQ(std::tuple(back.x, back.y, digitsOf(back)), std::tuple(corner[0].x, corner[0].y, "1111111110"));
    }
}

TEST_F(ContourCapacityTest, RebuildOfExactlyAFullTableSucceedsWithEitherStore) {
    struct Quiet : RebuildObserver {};
    const struct { int shapes; bool indexed, ok; } cases[] = {{3000, true, true}, {3000, false, true}, {3001, true, false}, {3001, false, false}};
    for (const auto& c : cases) {
        t.shapeLast = c.shapes - 1;  // separate shapes, four points each
        for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i] = {100.0 * (i % 60), 100.0 * (i / 60), kSmallShape, 0, 1};
        Quiet quiet;
        const bool ok = c.indexed ? rebuildContour(t, quiet) : rebuildContourLinear(t, quiet);
        EXPECT_EQ(std::tuple(ok, t.contourLast + 1), std::tuple(c.ok, kMaxContour)) << c.shapes << " " << c.indexed;
        buildCornerRecords(t, t.shapes[2999]);
        EXPECT_EQ(std::tuple(t.contour[kMaxContour - 1].x, t.contour[kMaxContour - 1].y),
                  std::tuple(t.cornerScratch[3].x, t.cornerScratch[3].y));
    }
}

}  // namespace
}  // namespace rho

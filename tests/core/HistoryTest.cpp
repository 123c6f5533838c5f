// The history on its own: random edits taken back and forth exactly, and a step's cost.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tiling/Tiling.h"

namespace rho {
namespace {

// Both tables' bytes.
std::string tables(const Tiling& t) {
    return std::string(reinterpret_cast<const char*>(t.shapes), t.shapeCount() * sizeof(TileShape)) + '|' +
           std::string(reinterpret_cast<const char*>(t.contour), t.contourCount() * sizeof(ContourVertex));
}

struct HistoryFixture : ::testing::Test {
    std::unique_ptr<Tiling> tiling = std::make_unique<Tiling>();
    Tiling& t = *tiling;
    std::mt19937 rng{7};
    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    TileShape shape() { return {double(below(1000)), double(below(1000)), below(2), below(10), 1 + below(20)}; }
    ContourVertex vertex() {
        ContourVertex v;
        v.sectors[below(10)] = 1;
        v.x = below(1000);
        v.y = below(1000);
        return v;
    }
    void fill(int shapes, int points) {
        for (int i = 0; i < shapes; ++i) t.shapes[i] = shape();
        for (int i = 0; i < points; ++i) t.contour[i] = vertex();
        t.shapeLast = shapes - 1;
        t.contourLast = points - 1;
    }
    template <class R>
    static void removeAt(R* table, int32_t& last, int i) {
        std::memmove(static_cast<void*>(table + i), table + i + 1, (last - i) * sizeof(R));
        --last;
    }
    template <class R>
    static void insertAt(R* table, int32_t& last, int i, const R& r) {
        std::memmove(static_cast<void*>(table + i + 1), table + i, (last + 1 - i) * sizeof(R));
        table[i] = r;
        ++last;
    }
    void scramble() {
        const int edits = 1 + below(below(4) == 0 ? 200 : 6);
        for (int e = 0; e < edits; ++e) {
            switch (below(6)) {
            case 0: if (t.shapeLast > 0) removeAt(t.shapes, t.shapeLast, below(t.shapeCount())); break;
            case 1: insertAt(t.shapes, t.shapeLast, below(t.shapeCount() + 1), shape()); break;
            case 2: if (t.shapeLast >= 0) t.shapes[below(t.shapeCount())].angle += 1; break;
            case 3: if (t.contourLast > 0) removeAt(t.contour, t.contourLast, below(t.contourCount())); break;
            case 4: insertAt(t.contour, t.contourLast, below(t.contourCount() + 1), vertex()); break;
            default: if (t.contourLast >= 0) t.contour[below(t.contourCount())].sectors[3] ^= 1; break;
            }
        }
    }
};

TEST_F(HistoryFixture, RandomEditsComeBackExactlyBothWays) {
    fill(300, 250);
    t.history.reset(t);
    std::vector<std::string> states{tables(t)};
    for (int k = 0; k < 150; ++k) {
        scramble();
        ASSERT_TRUE(t.history.record(t, "step"));
        states.push_back(tables(t));
    }
    for (int k = 149; k >= 0; --k) {
        ASSERT_TRUE(t.history.undo(t));
        ASSERT_TRUE(tables(t) == states[k]) << k;
    }
    for (int k = 1; k <= 150; ++k) {
        ASSERT_TRUE(t.history.redo(t));
        ASSERT_TRUE(tables(t) == states[k]) << k;
    }
}

TEST_F(HistoryFixture, AStepCostsItsChangeNotTheTable) {
    fill(14000, 11000);
    t.history.reset(t);
    // A point out of the middle and one appended: the shifted tail costs nothing.
    removeAt(t.contour, t.contourLast, 5000);
    insertAt(t.contour, t.contourLast, t.contourCount(), vertex());
    t.shapes[t.shapeLast + 1] = shape();
    ++t.shapeLast;
    ASSERT_TRUE(t.history.record(t, "attach"));
    EXPECT_LT(t.history.bytes(), 600u);

    // Only the selection changed: no step, and the shadow takes the signs.
    const std::size_t bytes = t.history.bytes();
    for (int i = 0; i < 7000; ++i) t.shapes[i].color = -t.shapes[i].color;
    EXPECT_FALSE(t.history.record(t, "select"));
    EXPECT_EQ(std::make_pair(t.history.stepCount(), t.history.bytes()), std::make_pair(std::size_t{1}, bytes));

    // Every shape recoloured: the step holds the changed shapes, old and new.
    for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i].color = t.shapes[i].color < 0 ? -21 : 21;
    ASSERT_TRUE(t.history.record(t, "by angle"));
    EXPECT_LT(t.history.bytes() - bytes, 2 * 14001 * sizeof(TileShape) + 1000);
    ASSERT_TRUE(t.history.undo(t));
    ASSERT_TRUE(t.history.undo(t));
    EXPECT_EQ(std::make_pair(t.shapeCount(), t.shapes[0].color < 0), std::make_pair(14000, true));
}

}  // namespace
}  // namespace rho

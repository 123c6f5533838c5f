#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "support/DeflatedTiling.h"
#include "support/FakeShell.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/ContourIndex.h"
#include "tiling/Geometry.h"
#include "tiling/Selection.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

bool samePoint(const ContourVertex& a, const ContourVertex& b) {
    return std::memcmp(a.sectors, b.sectors, kSectorBytes) == 0 && std::memcmp(&a.x, &b.x, sizeof a.x) == 0 &&
           std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

struct ContourRebuildTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;
    test::FakeShell freshShell;
    std::unique_ptr<Tiling> fresh = createTiling(freshShell);
    std::mt19937 rng{12345};

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }

    // One step of a random walk over a proper tiling: attach one of its
    // rhombs with the pointer a little off (refused when it touches nothing
    // or is already there), or delete one or several shapes.
    void randomStep(const std::vector<TileShape>& pool) {
        const int roll = below(20);
        if (t.shapeLast < 0 || roll < 16) {
            // A few tries, so that the patch grows and vertices close up.
            for (int tries = 0; tries < 8; ++tries) {
                TileShape s = pool[static_cast<size_t>(below(static_cast<int>(pool.size())))];
                s.x += uniform(-3.0, 3.0);
                s.y += uniform(-3.0, 3.0);
                if (test::attachAt(t, shell, s)) break;
            }
        } else if (roll < 19) {
            deleteShape(t, shell, below(t.shapeLast + 1));
        } else {
            for (int k = 0; k < 3; ++k) flipSelection(t.shapes[below(t.shapeLast + 1)]);
            selected1Click(t, shell);
            none1Click(t, shell);
        }
    }
};

TEST_F(ContourRebuildTest, CornerRecordMakerAgreesBitForBitWithTheTransformStack) {
    const CornerRecordMaker maker(t);
    Tiling& other = *fresh;
    for (int n = 0; n < 4000; ++n) {
        const double range = n % 4 == 0 ? 1.0e9 : 3000.0;
        TileShape s{uniform(-range, range), uniform(-range, range), below(3), below(10), 1};
        if (n % 97 == 0) s.angle = 12 - below(20);  // out of range: the ordinary path
        if (n % 50 == 0) s.x = std::trunc(s.x);
        buildCornerRecords(t, s);
        maker.build(other, s);
        for (int j = 0; j < 4; ++j) {
            ASSERT_TRUE(samePoint(t.cornerScratch[j], other.cornerScratch[j])) << n << " corner " << j;
            ASSERT_EQ(std::memcmp(&t.cornerBuffer[j], &other.cornerBuffer[j], sizeof(Point2)), 0);
        }
        ASSERT_EQ(std::memcmp(&t.cornerBufferCentre, &other.cornerBufferCentre, sizeof(Point2)), 0);
    }
}

TEST_F(ContourRebuildTest, IndexFindsThePairsOfThePlainScanInItsOrder) {
    const std::vector<TileShape> pool = test::deflatedTiling(t, 5);
    const double edges[] = {-5.0, -4.999999, -0.5, 0.0, 4.999999, 5.0, 5.000001};
    MatchList plain;
    MatchList indexed;
    int multiPairs = 0;
    auto compare = [&](ContourIndex& index) {
        findMatchesLinear(t, plain);
        index.findMatches(t.cornerScratch, indexed);
        ASSERT_EQ(plain.count, indexed.count);
        if (plain.overflowed()) return;
        multiPairs += plain.count > 1 ? 1 : 0;
        for (int p = 0; p < plain.count; ++p) {
            ASSERT_EQ(plain.pairs[p].point, indexed.pairs[p].point);
            ASSERT_EQ(plain.pairs[p].corner, indexed.pairs[p].corner);
        }
    };
    ContourIndex index(kMaxContour);
    for (int step = 0; step < 300; ++step) {
        randomStep(pool);
        index.loadTable(t.contour, t.contourLast + 1);
        for (int q = 0; q < 20 && t.contourLast >= 0; ++q) {
            // A shape with one corner on, or just off, a contour point.
            const ContourVertex& p = t.contour[below(t.contourLast + 1)];
            TileShape s{0.0, 0.0, below(2), below(10), 1};
            buildCornerRecords(t, s);
            const int j = below(4);
            const double dx = q % 2 ? edges[below(7)] : uniform(-6.0, 6.0);
            const double dy = q % 3 ? edges[below(7)] : uniform(-6.0, 6.0);
            s.x = p.x - t.cornerScratch[j].x + dx;
            s.y = p.y - t.cornerScratch[j].y + dy;
            buildCornerRecords(t, s);
            compare(index);
        }
    }
    // A crowded table of points around cell borders and the origin, where
    // corners meet several points at once, and one with too many to list.
    for (int round = 0; round < 2; ++round) {
        const int points = round == 0 ? 400 : 80;
        const double spread = round == 0 ? 40.0 : 0.5;
        t.contourLast = points - 1;
        for (int c = 0; c < points; ++c) {
            t.contour[c] = ContourVertex{};
            t.contour[c].x = uniform(-spread, spread) + (c % 3 == 0 ? 16.0 : 0.0);
            t.contour[c].y = uniform(-spread, spread);
        }
        index.loadTable(t.contour, points);
        for (int q = 0; q < 500; ++q) {
            for (int j = 0; j < 4; ++j) {
                t.cornerScratch[j].x = uniform(-spread - 6.0, spread + 22.0);
                t.cornerScratch[j].y = uniform(-spread - 6.0, spread + 6.0);
            }
            compare(index);
        }
    }
    for (int j = 0; j < 4; ++j) t.cornerScratch[j].x = t.cornerScratch[j].y = 0.0;
    compare(index);
    EXPECT_TRUE(plain.overflowed());
    EXPECT_GT(multiPairs, 100);
}

TEST_F(ContourRebuildTest, IndexedRebuildEqualsThePlainRebuild) {
    const std::vector<TileShape> pool = test::deflatedTiling(t, 6);
    for (int round = 0; round < 6; ++round) {
        // Rhombs of a proper tiling in random order, so that separate patches
        // grow and join; later rounds add copies turned or shifted a little,
        // and off-lattice shapes in a crowd.
        std::vector<TileShape> shapes(pool.begin(), pool.begin() + 400);
        std::shuffle(shapes.begin(), shapes.end(), rng);
        for (int k = 0; k < round * 10; ++k) {
            TileShape s = shapes[static_cast<size_t>(below(400))];
            s.angle = (s.angle + below(3)) % 10;
            s.x += round > 3 ? uniform(-4.0, 4.0) : 0.0;
            shapes.insert(shapes.begin() + below(static_cast<int>(shapes.size())), s);
        }
        for (int k = 0; k < (round > 3 ? 60 : 0); ++k) {
            shapes.push_back({uniform(-60.0, 60.0), uniform(-60.0, 60.0), below(2), below(10), -1 - below(5)});
        }
        for (Tiling* tt : {&t, fresh.get()}) {
            tt->shapeLast = static_cast<int>(shapes.size()) - 1;
            std::copy(shapes.begin(), shapes.end(), tt->shapes);
        }
        for (test::FakeShell* sh : {&shell, &freshShell}) {
            sh->messages.clear();
            sh->statusHistory.clear();
            sh->progressPositions.clear();
            sh->recording.calls.clear();
        }
        const bool indexedClean = recalculateContour(t, shell);
        const bool plainClean = recalculateContourLinear(*fresh, freshShell);
        ASSERT_EQ(indexedClean, plainClean);
        EXPECT_TRUE(indexedClean || round > 0);  // the proper tiling alone is accepted whole
        ASSERT_EQ(t.contourLast, fresh->contourLast);
        for (int c = 0; c <= t.contourLast; ++c) ASSERT_TRUE(samePoint(t.contour[c], fresh->contour[c])) << c;
        for (int i = 0; i <= t.shapeLast; ++i) ASSERT_EQ(t.shapes[i].color, fresh->shapes[i].color) << i;
        EXPECT_EQ(shell.messageTexts(), freshShell.messageTexts());
        EXPECT_EQ(shell.statusHistory, freshShell.statusHistory);
        EXPECT_EQ(shell.progressPositions, freshShell.progressPositions);
        EXPECT_EQ(shell.recording.calls.size(), freshShell.recording.calls.size());
    }
}

// Attaching and deleting keep the contour exactly as a rebuild from the
// remaining shapes would make it (as a set of points with their sectors).
TEST_F(ContourRebuildTest, IncrementalContourEqualsAFreshRebuild) {
    const std::vector<TileShape> full = test::deflatedTiling(t, 5);
    const std::vector<TileShape> pool(full.begin(), full.begin() + 120);
    for (unsigned seed : {1u, 2u, 3u}) {
        rng.seed(seed);
        t.shapeLast = -1;
        t.contourLast = -1;
        int attached = 0;
        int reopened = 0;  // deletions that brought interior corners back
        for (int step = 0; step < 400; ++step) {
            const int before = t.shapeLast;
            const int pointsBefore = t.contourLast;
            randomStep(pool);
            attached += t.shapeLast > before ? 1 : 0;
            reopened += t.shapeLast < before && t.contourLast > pointsBefore ? 1 : 0;

            Tiling& f = *fresh;
            f.shapeLast = t.shapeLast;
            std::copy(t.shapes, t.shapes + t.shapeLast + 1, f.shapes);
            ASSERT_TRUE(recalculateContour(f, freshShell)) << "seed " << seed << " step " << step;
            ASSERT_EQ(t.contourLast, f.contourLast) << "seed " << seed << " step " << step;
            for (int c = 0; c <= t.contourLast; ++c) {
                const ContourVertex& p = t.contour[c];
                EXPECT_EQ(p.sectors[10], 0);
                int same = 0;
                for (int d = 0; d <= f.contourLast; ++d) {
                    const ContourVertex& q = f.contour[d];
                    same += nearWithin5(p.x, p.y, q.x, q.y) && std::memcmp(p.sectors, q.sectors, kSectors) == 0;
                }
                ASSERT_EQ(same, 1) << "seed " << seed << " step " << step << " point " << c;
            }
        }
        EXPECT_GT(attached, 100);
        EXPECT_GT(reopened, 10);
    }
}

}  // namespace
}  // namespace rho

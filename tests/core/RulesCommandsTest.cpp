// The rules menu's commands on a scripted shell: what they announce, what
// they change, what they show and when they mark the tiling modified.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

#include "edit/RulesCommands.h"
#include "generate/Quasitiler.h"
#include "rules/Deflation.h"
#include "rules/PenrosePatch.h"
#include "support/Placing.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct RulesCommands : test::TilingFixture {
    std::vector<TileShape> shapes() const { return {t.shapes, t.shapes + t.shapeLast + 1}; }
    std::vector<ContourVertex> contour() const { return {t.contour, t.contour + t.contourLast + 1}; }
    static bool same(const std::vector<TileShape>& a, const std::vector<TileShape>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TileShape& p, const TileShape& q) {
            return std::tie(p.x, p.y, p.kind, p.angle, p.color) == std::tie(q.x, q.y, q.kind, q.angle, q.color);
        });
    }
    static bool same(const std::vector<ContourVertex>& a, const std::vector<ContourVertex>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ContourVertex& p, const ContourVertex& q) {
            return p.x == q.x && p.y == q.y && std::memcmp(p.sectors, q.sectors, sizeof p.sectors) == 0;
        });
    }
    void clearRecords() {
        shell.statusHistory.clear();
        shell.messages.clear();
        shell.recording.calls.clear();
    }
};

TEST_F(RulesCommands, DeflateAndComposeAnnounceReplaceMarkModifiedAndComeBack) {
    ASSERT_TRUE(generatePenrosePatch(t, 5));
    const std::vector<TileShape> patch = shapes();
    const int patchCount = t.shapeCount();
    clearRecords();

    deflate1Click(t, shell);
    const int deflated = t.shapeCount();
    EXPECT_GT(deflated, 2 * patchCount);
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "deflated: " + std::to_string(deflated) + " shapes"}));
    EXPECT_EQ(shell.panels[0], "shapes:" + std::to_string(deflated) + " contour:" + std::to_string(t.contourCount()));
    EXPECT_EQ(t.statusText, shell.statusHistory.back());
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(shell.recording.count("polygon"), deflated);  // every shape redrawn

    t.modified = 0;
    clearRecords();
    compose1Click(t, shell);
    EXPECT_EQ(shell.statusHistory,
              (Texts{"composing shapes", "composed: " + std::to_string(patchCount) + " shapes"}));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(t.shapeCount(), patchCount);
    // The very shapes of the patch come back (rows keep no order within a tie).
    auto placed = [](std::vector<TileShape> v) {
        std::vector<std::tuple<long long, long long, int, int>> keys;
        for (const TileShape& s : v) keys.emplace_back(std::llround(s.y * 1e6), std::llround(s.x * 1e6), s.kind, s.angle);
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    EXPECT_EQ(placed(shapes()), placed(patch));
}

TEST_F(RulesCommands, RefusalsShowTheReasonAndChangeNothing) {
    // Empty: nothing to deflate or compose.
    deflate1Click(t, shell);
    compose1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(), (Texts{"Can not deflate: there are no shapes", "Can not compose: there are no shapes"}));
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "idle", "composing shapes", "idle"}));
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(t.modified, 0);

    // The quasitiler's patch breaks the arrows: deflation is refused with their number.
    ASSERT_TRUE(generateQuasiTiling(t, 10));
    t.modified = 0;
    const int conflicts = deflation_detail::countEdgeConflictsForDeflation(t);
    ASSERT_GT(conflicts, 0);
    const std::vector<TileShape> before = shapes();
    const std::vector<ContourVertex> contourBefore = contour();
    clearRecords();
    deflate1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(),
              Texts{"Can not deflate: " + std::to_string(conflicts) +
                    " arrow conflicts (the halves of their shapes would overlap)"});
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "idle"}));
    EXPECT_TRUE(same(shapes(), before));
    EXPECT_TRUE(same(contour(), contourBefore));
    EXPECT_EQ(t.modified, 0);

    // A lone thin shape is the child of no parent.
    setShapes({{0.0, 0.0, kSmallShape, 0, 1}});
    clearRecords();
    compose1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Can not compose: no shape has all the children of a parent"});
    EXPECT_EQ(t.shapeCount(), 1);
    EXPECT_EQ(t.modified, 0);
}

TEST_F(RulesCommands, KeepMatchingRulesFlipsItsCheckMarkOnly) {
    keepmatchingrules1Click(t, shell);
    EXPECT_EQ(std::tuple(t.keepRules, shell.menuChecked["keep matching rules"], t.modified), std::tuple(1, true, 0));
    keepmatchingrules1Click(t, shell);
    EXPECT_EQ(std::tuple(t.keepRules, shell.menuChecked["keep matching rules"], t.modified), std::tuple(0, false, 0));
    EXPECT_TRUE(shell.statusHistory.empty());
}

}  // namespace
}  // namespace rho

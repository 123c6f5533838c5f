// The rules menu's commands on a scripted shell: what they announce, what
// they change, what they show and when they mark the tiling modified.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "edit/RulesCommands.h"
#include "edit/Selection.h"
#include "geometry/Geometry.h"
#include "generate/Quasitiler.h"
#include "rules/Check.h"
#include "rules/Deflation.h"
#include "rules/PenrosePatch.h"
#include "support/InteriorShape.h"
#include "support/Placing.h"
#include "tiling/ShapeCorners.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct RulesCommands : test::TilingFixture {
    std::vector<TileShape> shapes() const { return {t.shapes, t.shapes + t.shapeLast + 1}; }
    static bool same(const std::vector<TileShape>& a, const std::vector<TileShape>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TileShape& p, const TileShape& q) {
            return std::tie(p.x, p.y, p.kind, p.angle, p.color) == std::tie(q.x, q.y, q.kind, q.angle, q.color);
        });
    }
    std::vector<int> selected() const {
        std::vector<int> out;
        for (int i = 0; i <= t.shapeLast; ++i)
            if (t.shapes[i].color < 0) out.push_back(i);
        return out;
    }
    void clearRecords() {
        shell.statusHistory.clear();
        shell.messages.clear();
        shell.recording.calls.clear();
        shell.progressPositions.clear();
    }
};

TEST_F(RulesCommands, DeflateAndComposeAnnounceReplaceMarkModifiedAndComeBack) {
    ASSERT_TRUE(generatePenrosePatch(t, 5));
    const int patchCount = t.shapeCount();
    clearRecords();

    deflate1Click(t, shell);
    const int deflated = t.shapeCount();
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "deflated: " + std::to_string(deflated) + " shapes"}));
    EXPECT_EQ(shell.panels[0], "shapes:" + std::to_string(deflated) + " contour:" + std::to_string(t.contourCount()));
    EXPECT_EQ(std::tuple(shell.messages.size(), t.modified), std::tuple(0u, 1));
    EXPECT_EQ(shell.recording.count("polygon"), deflated);  // every shape redrawn

    t.modified = 0;
    clearRecords();
    compose1Click(t, shell);
    EXPECT_EQ(shell.statusHistory,
              (Texts{"composing shapes", "composed: " + std::to_string(patchCount) + " shapes"}));
    EXPECT_EQ(std::tuple(t.modified, t.shapeCount()), std::tuple(1, patchCount));
}

TEST_F(RulesCommands, RefusalsShowTheReasonAndChangeNothing) {
    deflate1Click(t, shell);
    compose1Click(t, shell);
    ASSERT_EQ(shell.messageTexts(), (Texts{"Can not deflate: there are no shapes", "Can not compose: there are no shapes"}));
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "idle", "composing shapes", "idle"}));
    EXPECT_EQ(std::tuple(shell.messages[0].buttons, t.modified), std::tuple(Buttons::Ok, 0));

    ASSERT_TRUE(generateQuasiTiling(t, 10));
    t.modified = 0;
    const int conflicts = checkRules(t).arrowConflicts;
    ASSERT_GT(conflicts, 0);
    const std::vector<TileShape> before = shapes();
    clearRecords();
    deflate1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(),
              Texts{"Can not deflate: " + std::to_string(conflicts) +
                    " arrow conflicts (the halves of their shapes would overlap)"});
    EXPECT_TRUE(same(shapes(), before));
    EXPECT_EQ(t.modified, 0);

    setShapes({{0.0, 0.0, kSmallShape, 0, 1}});
    clearRecords();
    compose1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Can not compose: no shape has all the children of a parent"});
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified), std::tuple(1, 0));
}

TEST_F(RulesCommands, OrientTurnsBackTurnedShapesAndMarksModifiedOnlyWhenItTurns) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const std::vector<TileShape> patch = shapes();
    for (int i : {3, 10, 11, 40}) t.shapes[i].angle = (t.shapes[i].angle + 5) % 10;
    orientshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"orienting shapes", "turned: 4, arrow conflicts: 0"}));
    EXPECT_TRUE(same(shapes(), patch));
    EXPECT_EQ(t.modified, 1);
    EXPECT_GT(shell.recording.count("polygon"), 100);  // redrawn
    t.modified = 0;
    clearRecords();
    orientshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"orienting shapes", "turned: 0, arrow conflicts: 0"}));
    EXPECT_EQ(t.modified, 0);
}

TEST_F(RulesCommands, CheckSelectsExactlyTheShapesAroundATurnedThinAndShowsTheCounts) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = test::interiorThin(t);
    ASSERT_GE(thin, 0);
    t.shapes[thin].angle = (t.shapes[thin].angle + 5) % 10;
    const std::vector<int> around = test::shapesTouching(t, thin);
    const int far = t.shapeLast;
    ASSERT_TRUE(std::find(around.begin(), around.end(), far) == around.end());
    t.shapes[far].color = -7;  // an earlier selection
    t.shapes[thin].color = 5;

    checkmatchingrules1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"arrow conflicts: 4\nillegal vertices: 4\ndead ends: 0"});
    EXPECT_EQ(selected(), around);
    EXPECT_EQ(std::tuple(t.shapes[far].color, t.shapes[thin].color), std::tuple(7, -5));
    EXPECT_EQ(std::tuple(shell.statusHistory, t.modified), std::tuple(Texts{"checking matching rules", "idle"}, 0));
    // The walk over the table drives the progress bar and sets it back.
    ASSERT_EQ(shell.progressPositions.size(), static_cast<std::size_t>(t.shapeCount() + 1));
    EXPECT_EQ(std::tuple(shell.progressMax, shell.progressPositions[1], shell.progressPositions[t.shapeLast],
                         shell.progressPositions.back()),
              std::tuple(t.shapeLast, 1, t.shapeLast, 0));
}

TEST_F(RulesCommands, FillForcedShapesRefillsAHoleAndReportsItsCounts) {
    fillforcedshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"filling forced shapes", "forced shapes: 0, dead ends: 0"}));
    EXPECT_EQ(t.modified, 0);

    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const std::vector<int> hole = test::shapesTouching(t, test::interiorThin(t));
    for (auto i = hole.rbegin(); i != hole.rend(); ++i) ASSERT_TRUE(deleteShape(t, shell, *i));
    const int before = t.shapeCount();
    t.modified = 0;
    clearRecords();
    fillforcedshapes1Click(t, shell);
    const int forced = t.shapeCount() - before;
    EXPECT_GE(forced, static_cast<int>(hole.size()));
    EXPECT_EQ(shell.statusHistory,
              (Texts{"filling forced shapes", "forced shapes: " + std::to_string(forced) + ", dead ends: 0"}));
    EXPECT_EQ(t.modified, 1);
}

TEST_F(RulesCommands, KeepMatchingRulesTogglesAndRefusesATurnedThinWithItsReason) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = test::interiorThin(t);
    const TileShape gone = t.shapes[thin];
    ASSERT_TRUE(deleteShape(t, shell, thin));
    t.modified = 0;
    const int holed = t.shapeCount();
    const int turned = (gone.angle + 5) % 10;
    clearRecords();

    keepmatchingrules1Click(t, shell);
    EXPECT_EQ(std::tuple(t.keepRules, shell.menuChecked["keep matching rules"], t.modified), std::tuple(1, true, 0));
    EXPECT_TRUE(shell.statusHistory.empty());
    EXPECT_FALSE(attachAt(gone.x + 2, gone.y - 3, kSmallShape, turned));
    EXPECT_EQ(shell.statusHistory, Texts{"breaks the matching rules"});
    EXPECT_EQ(std::tuple(t.adding, t.modified, t.statusText), std::tuple(0, 0, "breaks the matching rules"));
    EXPECT_EQ(t.shapeCount(), holed);

    // An overlap is refused silently; the patch's own shape is welcome.
    t.statusText = "adding small shape";
    clearRecords();
    EXPECT_FALSE(attachAt(t.shapes[0].x, t.shapes[0].y, t.shapes[0].kind, t.shapes[0].angle));
    EXPECT_EQ(std::tuple(t.statusText, shell.statusHistory.size()), std::tuple("adding small shape", 0u));

    EXPECT_TRUE(attachAt(gone.x + 2, gone.y - 3, kSmallShape, gone.angle));
    EXPECT_EQ(std::tuple(t.shapeCount(), t.statusText, t.modified), std::tuple(holed + 1, "idle", 1));
    keepmatchingrules1Click(t, shell);
    EXPECT_EQ(std::tuple(t.keepRules, shell.menuChecked["keep matching rules"]), std::tuple(0, false));
}

}  // namespace
}  // namespace rho

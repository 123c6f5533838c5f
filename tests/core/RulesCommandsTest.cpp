// The rules menu's commands on a scripted shell: what they announce, what
// they change, what they show and when they mark the tiling modified.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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
#include "support/PatchRules.h"
#include "support/Placing.h"
#include "tiling/ShapeCorners.h"

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
    int interiorThin() { return test::interiorThin(t); }
    std::vector<int> touching(int i) { return test::shapesTouching(t, i); }
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
}

TEST_F(RulesCommands, RefusalsShowTheReasonAndChangeNothing) {
    // Empty: nothing to deflate or compose.
    deflate1Click(t, shell);
    compose1Click(t, shell);
    ASSERT_EQ(shell.messageTexts(), (Texts{"Can not deflate: there are no shapes", "Can not compose: there are no shapes"}));
    EXPECT_EQ(shell.statusHistory, (Texts{"deflating shapes", "idle", "composing shapes", "idle"}));
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(t.modified, 0);

    // The quasitiler's patch breaks the arrows: deflation is refused with their number.
    ASSERT_TRUE(generateQuasiTiling(t, 10));
    t.modified = 0;
    const int conflicts = checkRules(t).arrowConflicts;
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

TEST_F(RulesCommands, OrientTurnsBackTurnedShapesAndCountsTheQuasitilersConflicts) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const std::vector<TileShape> patch = shapes();
    for (int i : {3, 10, 11, 40}) t.shapes[i].angle = (t.shapes[i].angle + 5) % 10;
    orientshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"orienting shapes", "turned: 4, arrow conflicts: 0"}));
    EXPECT_TRUE(same(shapes(), patch));
    EXPECT_EQ(t.modified, 1);
    EXPECT_GT(shell.recording.count("polygon"), 100);  // redrawn

    // Nothing to turn: the tiling is not modified.
    t.modified = 0;
    clearRecords();
    orientshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"orienting shapes", "turned: 0, arrow conflicts: 0"}));
    EXPECT_EQ(t.modified, 0);

    // The quasitiler's patch keeps conflicts, no more than the 86 that the
    // vertex index leaves; the status says as many as an independent
    // reading of the turned tiling finds.
    ASSERT_TRUE(generateQuasiTiling(t, 20));
    clearRecords();
    orientshapes1Click(t, shell);
    const test::PatchReading reading = test::readPatch(t);
    EXPECT_LE(reading.conflicts, 86);
    EXPECT_GT(reading.conflicts, 0);
    const std::string& status = shell.statusHistory.back();
    EXPECT_EQ(status.substr(status.find(',')), ", arrow conflicts: " + std::to_string(reading.conflicts));
}

TEST_F(RulesCommands, CheckSelectsExactlyTheShapesAroundATurnedThinAndShowsTheCounts) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = interiorThin();
    ASSERT_GE(thin, 0);
    t.shapes[thin].angle = (t.shapes[thin].angle + 5) % 10;
    const std::vector<int> around = touching(thin);
    const int far = t.shapeLast;
    ASSERT_TRUE(std::find(around.begin(), around.end(), far) == around.end());
    t.shapes[far].color = -7;  // an earlier selection
    t.shapes[thin].color = 5;

    checkmatchingrules1Click(t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"arrow conflicts: 4\nillegal vertices: 4\ndead ends: 0"});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(selected(), around);
    EXPECT_EQ(std::tuple(t.shapes[far].color, t.shapes[thin].color), std::tuple(7, -5));
    EXPECT_EQ(shell.statusHistory, (Texts{"checking matching rules", "idle"}));
    EXPECT_EQ(t.modified, 0);
    // The walk over the table drives the progress bar and sets it back.
    ASSERT_EQ(shell.progressPositions.size(), static_cast<std::size_t>(t.shapeCount() + 1));
    EXPECT_EQ(std::tuple(shell.progressMax, shell.progressPositions[1], shell.progressPositions[t.shapeLast],
                         shell.progressPositions.back()),
              std::tuple(t.shapeLast, 1, t.shapeLast, 0));

    // "delete > selected" removes exactly those shapes; the rest is clean.
    selected1Click(t, shell);
    clearRecords();
    checkmatchingrules1Click(t, shell);
    EXPECT_EQ(shell.messageTexts().size(), 1u);
    EXPECT_EQ(shell.messageTexts()[0].substr(0, 39), "arrow conflicts: 0\nillegal vertices: 0\n");
}

TEST_F(RulesCommands, FillForcedShapesRefillsAHoleAndReportsItsCounts) {
    fillforcedshapes1Click(t, shell);
    EXPECT_EQ(shell.statusHistory, (Texts{"filling forced shapes", "forced shapes: 0, dead ends: 0"}));
    EXPECT_EQ(t.modified, 0);

    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = interiorThin();
    std::vector<int> hole = touching(thin);
    std::vector<TileShape> cut;
    for (auto i = hole.rbegin(); i != hole.rend(); ++i) {
        cut.push_back(t.shapes[*i]);
        ASSERT_TRUE(deleteShape(t, shell, *i));
    }
    const int before = t.shapeCount();
    t.modified = 0;
    clearRecords();
    fillforcedshapes1Click(t, shell);
    const int forced = t.shapeCount() - before;
    EXPECT_GE(forced, static_cast<int>(cut.size()));
    EXPECT_EQ(shell.statusHistory,
              (Texts{"filling forced shapes", "forced shapes: " + std::to_string(forced) + ", dead ends: 0"}));
    EXPECT_EQ(t.modified, 1);
    for (const TileShape& c : cut) {
        const bool back = std::any_of(t.shapes + before, t.shapes + t.shapeLast + 1, [&](const TileShape& s) {
            return nearWithin5(s.x, s.y, c.x, c.y) && s.kind == c.kind && s.angle == c.angle && s.color == 1;
        });
        EXPECT_TRUE(back) << c.x << " " << c.y;
    }
    EXPECT_EQ(test::readPatch(t).conflicts, 0);
}

TEST_F(RulesCommands, KeepMatchingRulesRefusesATurnedThinButNotWhenOff) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = interiorThin();
    const TileShape gone = t.shapes[thin];
    ASSERT_TRUE(deleteShape(t, shell, thin));
    t.modified = 0;
    const std::vector<TileShape> holed = shapes();
    const std::vector<ContourVertex> holedContour = contour();
    const int turned = (gone.angle + 5) % 10;

    keepmatchingrules1Click(t, shell);
    clearRecords();
    EXPECT_FALSE(attachAt(gone.x + 2, gone.y - 3, kSmallShape, turned));
    EXPECT_EQ(shell.statusHistory, Texts{"breaks the matching rules"});
    EXPECT_EQ(std::tuple(t.adding, t.modified, t.statusText), std::tuple(0, 0, "breaks the matching rules"));
    EXPECT_TRUE(same(shapes(), holed));
    EXPECT_TRUE(same(contour(), holedContour));

    // An overlap is refused silently, as always.
    t.statusText = "adding small shape";
    clearRecords();
    EXPECT_FALSE(attachAt(t.shapes[0].x, t.shapes[0].y, t.shapes[0].kind, t.shapes[0].angle));
    EXPECT_EQ(std::tuple(t.statusText, shell.statusHistory.size()), std::tuple("adding small shape", 0u));

    // The shape the patch had is welcome.
    EXPECT_TRUE(attachAt(gone.x + 2, gone.y - 3, kSmallShape, gone.angle));
    EXPECT_EQ(std::tuple(t.shapeCount(), t.statusText, t.modified), std::tuple(static_cast<int>(holed.size()) + 1, "idle", 1));
    const std::vector<ContourVertex> filled = contour();

    // Switched off, the turned thin fits the hole like before.
    keepmatchingrules1Click(t, shell);
    ASSERT_TRUE(deleteShape(t, shell, t.shapeLast));
    EXPECT_TRUE(attachAt(gone.x + 2, gone.y - 3, kSmallShape, turned));
    EXPECT_EQ(std::tuple(t.shapes[t.shapeLast].angle, t.statusText), std::tuple(turned, "idle"));
    EXPECT_TRUE(same(contour(), filled));
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

// rhotool's matching-rule verbs through the executable: exact output against the core's results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/RhoTool.h"
#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "generate/PenrosePatchCommand.h"
#include "generate/Quasitiler.h"
#include "io/TilingFile.h"
#include "rules/Check.h"
#include "rules/Deflation.h"
#include "rules/Force.h"
#include "rules/Orient.h"
#include "support/FakeShell.h"
#include "support/RhotoolRun.h"
#include "support/TempDir.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::slurp;
using test::ToolRun;

struct RhotoolRules : ::testing::Test {
    test::TempDir dir{"rhotool-rules"};
    test::FakeShell shell;

    ToolRun rhotool(const std::string& arguments, const std::string& before = "") {
        return test::runRhotool(dir, arguments, before);
    }
    std::unique_ptr<Tiling> open(const std::string& name) {
        auto t = createTiling(shell);
        EXPECT_TRUE(readTiling(*t, shell, dir / name)) << name;
        return t;
    }
    // The editor's own penrose patch or quasitiler command, saved with the editor's writer.
    void patch(const std::string& name, int radius, bool penrose = true) {
        auto t = createTiling(shell);
        penrose ? runPenrosePatch(*t, shell, radius) : runQuasitiler(*t, shell, radius);
        ASSERT_TRUE(writeTiling(*t, shell, dir / name));
    }
    // Saves these shapes, with their contour, with the editor's writer.
    void save(const std::string& name, const std::vector<TileShape>& shapes) {
        auto t = createTiling(shell);
        for (const TileShape& s : shapes) t->shapes[++t->shapeLast] = s;
        recalculateContour(*t, shell);
        ASSERT_TRUE(writeTiling(*t, shell, dir / name));
    }
};

std::vector<TileShape> shapesOf(const Tiling& t) { return {t.shapes, t.shapes + t.shapeLast + 1}; }

// "LABEL X Y" with two decimals; a coordinate that rounds to zero is 0.00.
std::string placeLine(const char* label, double x, double y) {
    if (std::fabs(x) < 0.005) x = 0;
    if (std::fabs(y) < 0.005) y = 0;
    char line[128];
    std::snprintf(line, sizeof line, "%s %.2f %.2f", label, x, y);
    return line;
}

std::string countLines(int conflicts, int illegal, int deadEnds) {
    return "arrow conflicts: " + std::to_string(conflicts) + "\nillegal vertices: " + std::to_string(illegal) +
           "\ndead ends: " + std::to_string(deadEnds) + "\n";
}

// The place lines (no count lines) of a text that start with `label`, sorted.
std::vector<std::string> sortedLines(const std::string& text, const std::string& label) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(label, 0) == 0 && line.find(':') == std::string::npos) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Empty when both hold the same shapes in any order, within a hundredth of a unit; else
// the first shape of `a` that `b` lacks.
std::string shapeDifference(const Tiling& a, const Tiling& b) {
    std::vector<TileShape> left = shapesOf(b);
    for (const TileShape& s : shapesOf(a)) {
        const auto it = std::find_if(left.begin(), left.end(), [&](const TileShape& u) {
            return std::fabs(s.x - u.x) <= 0.01 && std::fabs(s.y - u.y) <= 0.01 && s.kind == u.kind &&
                   s.angle == u.angle && s.color == u.color;
        });
        if (it == left.end()) return "shape at " + std::to_string(s.x) + " " + std::to_string(s.y) + " missing";
        left.erase(it);
    }
    return left.empty() ? "" : std::to_string(left.size()) + " shapes too many";
}

TEST_F(RhotoolRules, GeneratePenroseIsTheEditorsPatchCommand) {
    const ToolRun made = rhotool("generate 10 " + dir / "p.rho" + " --penrose");
    ASSERT_EQ(made.status, 0) << made.err;
    auto t = createTiling(shell);
    runPenrosePatch(*t, shell, 10);
    EXPECT_EQ(made.out, "shapes:" + std::to_string(t->shapeCount()) + " contour:" +
                            std::to_string(t->contourCount()) + "\n");
    EXPECT_EQ(slurp(dir / "p.rho"), tilingText(*t));
    // The flag may stand anywhere; without it the quasitiler's patch comes.
    ASSERT_EQ(rhotool("generate --penrose 10 " + dir / "q.rho").status, 0);
    EXPECT_EQ(slurp(dir / "q.rho"), tilingText(*t));
    ASSERT_EQ(rhotool("generate 10 " + dir / "g.rho").status, 0);
    EXPECT_NE(slurp(dir / "g.rho"), tilingText(*t));
    // The dialog's range message, as for the quasitiler.
    const ToolRun wide = rhotool("generate 51 " + dir / "w.rho" + " --penrose");
    EXPECT_EQ(std::pair(wide.status, wide.err),
              std::pair(2, "An integer number is required between 5 and 50\n" + std::string(rhoToolUsage())));
    EXPECT_FALSE(std::filesystem::exists(dir / "w.rho"));
}

// Deflating writes what the core makes of the same file; composing gives
// back the patch it came from, and --times 2 is two single deflations.
TEST_F(RhotoolRules, DeflateAndComposeRoundTrip) {
    patch("p.rho", 10);
    auto core = open("p.rho");
    const DeflateResult once = deflateTiling(*core);
    ASSERT_EQ(once.outcome, DeflateOutcome::Done);

    const ToolRun deflated = rhotool("deflate " + dir / "p.rho" + " -o " + dir / "d.rho");
    ASSERT_EQ(deflated.status, 0) << deflated.err;
    EXPECT_EQ(deflated.out, "deflated: " + std::to_string(core->shapeCount()) + " shapes\n");
    EXPECT_EQ(slurp(dir / "d.rho"), tilingText(*core));

    const ToolRun composed = rhotool("compose " + dir / "d.rho" + " -o " + dir / "c.rho");
    ASSERT_EQ(composed.status, 0) << composed.err;
    EXPECT_EQ(composed.out, "composed: " + std::to_string(open("p.rho")->shapeCount()) + " shapes\n");
    EXPECT_EQ(shapeDifference(*open("c.rho"), *open("p.rho")), "");
    EXPECT_EQ(rhotool("check " + dir / "c.rho").status, 0);  // its stored contour is exact

    ASSERT_EQ(rhotool("deflate " + dir / "d.rho" + " -o " + dir / "dd.rho").status, 0);
    const ToolRun twice = rhotool("deflate " + dir / "p.rho" + " --times 2 -o " + dir / "d2.rho");
    ASSERT_EQ(twice.status, 0) << twice.err;
    EXPECT_EQ(twice.out, "deflated: " + std::to_string(open("dd.rho")->shapeCount()) + " shapes\n");
    EXPECT_EQ(shapeDifference(*open("d2.rho"), *open("dd.rho")), "");
}

// A refused step writes nothing: not a new file, not over an old one.
TEST_F(RhotoolRules, RefusalsSayWhyAndWriteNothing) {
    patch("q.rho", 10, false);
    patch("p.rho", 10);
    std::ofstream(dir / "old.rho") << "previous";
    const DeflateResult conflicts = deflateTiling(*open("q.rho")), nothing = composeTiling(*open("q.rho")),
                        large = deflateTiling(*open("p.rho"), 5);
    ASSERT_EQ(std::tuple(conflicts.outcome, nothing.outcome, large.outcome),
              std::tuple(DeflateOutcome::ArrowConflicts, DeflateOutcome::NothingComposed, DeflateOutcome::TooLarge));
    for (const auto& [arguments, why] : {std::pair("deflate " + dir / "q.rho", deflateResultText(conflicts, false)),
                                         std::pair("compose " + dir / "q.rho", deflateResultText(nothing, true)),
                                         std::pair("deflate " + dir / "p.rho" + " --times 5",
                                                   deflateResultText(large, false))})
        for (const std::string target : {"new.rho", "old.rho"}) {
            const ToolRun r = rhotool(arguments + " -o " + dir / target);
            EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(1, "", "rhotool: " + why + "\n")) << arguments;
        }
    EXPECT_FALSE(std::filesystem::exists(dir / "new.rho"));
    EXPECT_EQ(slurp(dir / "old.rho"), "previous");
}

// Bad arguments are usage errors (2) before anything is read; an unreadable
// file and a failed write get the editor's messages and 1, and the previous
// file stays as it was.
TEST_F(RhotoolRules, BadArgumentsUnreadableFilesAndFailedWrites) {
    patch("p.rho", 5);
    const std::string p = dir / "p.rho", o = dir / "o.rho";
    for (const std::string& bad :
         {"deflate " + p, "deflate " + p + " -o", "deflate " + p + " -o ''", "deflate " + p + " -o " + o + " -o " + o,
          "deflate " + p + " -o " + o + " --times 0", "deflate " + p + " -o " + o + " --times two",
          "deflate " + p + " -o " + o + " --times", "deflate " + p + " " + p + " -o " + o,
          "compose " + p + " -o " + o + " --times 2", "compose -o " + o}) {
        const ToolRun r = rhotool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("usage: rhotool"), std::string::npos) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(o));

    const ToolRun missing = rhotool("deflate " + dir / "none.rho" + " -o " + o);
    EXPECT_EQ(std::pair(missing.status, missing.err),
              std::pair(1, "rhotool: " + dir / "none.rho" + ":\nCan not open file\nError reading file\n"));
    EXPECT_FALSE(std::filesystem::exists(o));

    std::ofstream(o) << "previous";
    const ToolRun full = rhotool("deflate " + p + " -o " + o, "ulimit -f 1; ");
    EXPECT_EQ(std::pair(full.status, full.err), std::pair(1, "rhotool: " + o + ":\nError writing file\n"));
    EXPECT_EQ(slurp(o), "previous");
}

// The quasitiler's patch breaks the arrows: after orient, rules gives the
// counts and places the core gives on the same file, and exits with 1.
TEST_F(RhotoolRules, QuasitilerPatchOrientedThenChecked) {
    patch("q.rho", 20, false);
    auto core = open("q.rho");
    const OrientResult oriented = orientShapes(*core);
    ASSERT_GT(oriented.arrowConflicts, 0);

    const ToolRun orient = rhotool("orient " + dir / "q.rho" + " -o " + dir / "o.rho");
    ASSERT_EQ(orient.status, 0) << orient.err;
    EXPECT_EQ(orient.out, "turned: " + std::to_string(oriented.turned) + "\narrow conflicts: " +
                              std::to_string(oriented.arrowConflicts) + "\n");
    EXPECT_EQ(slurp(dir / "o.rho"), tilingText(*core));

    const RuleReport report = checkRules(*open("o.rho"));
    EXPECT_EQ(report.arrowConflicts, oriented.arrowConflicts);
    std::string expected = countLines(report.arrowConflicts, report.illegalVertices, report.deadEnds);
    for (const Point2& p : report.conflictPlaces) expected += placeLine("conflict", p.x, p.y) + "\n";
    for (const Point2& p : report.illegalPlaces) expected += placeLine("illegal", p.x, p.y) + "\n";
    for (const Point2& p : report.deadEndPlaces) expected += placeLine("dead end", p.x, p.y) + "\n";
    const ToolRun rules = rhotool("rules " + dir / "o.rho");
    EXPECT_EQ(std::tuple(rules.status, rules.out, rules.err), std::tuple(1, expected, ""));
    // A locale with a decimal comma changes nothing.
    EXPECT_EQ(rhotool("rules " + dir / "o.rho", "LC_ALL=de_DE.utf8 ").out, expected);
}

// A legal patch with one inner thin turned by 180 degrees: its four edges
// conflict and its four corners are illegal; orient turns it back.
TEST_F(RhotoolRules, OneTurnedThinInAPenrosePatch) {
    patch("p.rho", 10);
    const ToolRun clean = rhotool("rules " + dir / "p.rho");
    EXPECT_EQ(std::pair(clean.status, clean.out), std::pair(0, countLines(0, 0, 0)));

    auto t = open("p.rho");
    TileShape& turned = *std::min_element(t->shapes, t->shapes + t->shapeCount(), [](const auto& a, const auto& b) {
        return std::pair(a.kind, std::hypot(a.x, a.y)) < std::pair(b.kind, std::hypot(b.x, b.y));
    });  // the thin shape nearest the centre
    ASSERT_EQ(turned.kind, kSmallShape);
    turned.angle = (turned.angle + 5) % 10;
    ASSERT_TRUE(writeTiling(*t, shell, dir / "turned.rho"));
    computeCorners(*t, turned);
    const std::vector<Point2> c(t->cornerBuffer, t->cornerBuffer + 4);
    std::vector<std::string> conflicts, illegal;
    for (int k = 0; k < 4; ++k) {
        conflicts.push_back(placeLine("conflict", (c[k].x + c[(k + 1) % 4].x) / 2, (c[k].y + c[(k + 1) % 4].y) / 2));
        illegal.push_back(placeLine("illegal", c[k].x, c[k].y));
    }
    std::sort(conflicts.begin(), conflicts.end());
    std::sort(illegal.begin(), illegal.end());

    const ToolRun rules = rhotool("rules " + dir / "turned.rho");
    EXPECT_EQ(rules.status, 1);
    EXPECT_EQ(rules.out.substr(0, rules.out.find("conflict ")), countLines(4, 4, 0));
    EXPECT_EQ(sortedLines(rules.out, "conflict "), conflicts);
    EXPECT_EQ(sortedLines(rules.out, "illegal "), illegal);

    const ToolRun orient = rhotool("orient " + dir / "turned.rho" + " -o " + dir / "back.rho");
    EXPECT_EQ(orient.out, "turned: 1\narrow conflicts: 0\n");
    EXPECT_EQ(slurp(dir / "back.rho"), slurp(dir / "p.rho"));
}

// Thin t0 beside thin t2 at the origin: their common edge runs 40 units
// straight down, and both of its ends are dead ends.
TEST_F(RhotoolRules, GluedThinPairIsADeadEndAtBothSharedPoints) {
    auto t = createTiling(shell);
    // Corner V0 of a thin at angle 0 has its one slot at 1, V2 at angle 6 at 2.
    std::vector<TileShape> pair = {{0, 0, kSmallShape, 0, 1}, {0, 0, kSmallShape, 6, 1}};
    for (auto [shape, corner] : {std::pair{0, 0}, std::pair{1, 2}}) {
        computeCorners(*t, pair[shape]);
        pair[shape].x = -t->cornerBuffer[corner].x;
        pair[shape].y = -t->cornerBuffer[corner].y;
    }
    save("pair.rho", pair);
    const ToolRun rules = rhotool("rules " + dir / "pair.rho");
    EXPECT_EQ(std::pair(rules.status, rules.out),
              std::pair(1, countLines(0, 0, 2) + "dead end 0.00 0.00\ndead end 0.00 40.00\n"));

    const ToolRun force = rhotool("force " + dir / "pair.rho" + " -o " + dir / "forced.rho");
    EXPECT_EQ(force.status, 0) << force.err;
    EXPECT_EQ(force.out.substr(force.out.find("dead ends:")), "dead ends: 2\n");
}

// A Penrose patch grown by forcing until nothing more is forced, then cut:
// the 100 shapes nearest its centre go.
struct ForcedPatch {
    std::vector<TileShape> whole, holed;
};

ForcedPatch forcedPatchWithAHole(Tiling& t, Shell& shell) {
    runPenrosePatch(t, shell, 10);
    forceShapes(t);
    ForcedPatch p;
    p.whole = shapesOf(t);
    std::vector<TileShape> byDistance = p.whole;
    std::stable_sort(byDistance.begin(), byDistance.end(), [](const TileShape& a, const TileShape& b) {
        return std::hypot(a.x, a.y) < std::hypot(b.x, b.y);
    });
    p.holed.assign(byDistance.begin() + 100, byDistance.end());
    return p;
}

TEST_F(RhotoolRules, ForceRefillsAHoleExactly) {
    auto t = createTiling(shell);
    const ForcedPatch patch = forcedPatchWithAHole(*t, shell);
    save("whole.rho", patch.whole);
    save("holed.rho", patch.holed);
    EXPECT_EQ(rhotool("force " + dir / "whole.rho" + " -o " + dir / "same.rho").out,
              "forced shapes: 0\ndead ends: 0\n");

    const ToolRun force = rhotool("force " + dir / "holed.rho" + " -o " + dir / "refilled.rho");
    EXPECT_EQ(std::tuple(force.status, force.out, force.err), std::tuple(0, "forced shapes: 100\ndead ends: 0\n", ""));
    EXPECT_EQ(shapeDifference(*open("refilled.rho"), *open("whole.rho")), "");
    EXPECT_EQ(rhotool("check " + dir / "refilled.rho").status, 0);  // the contour stayed exact
    EXPECT_EQ(rhotool("rules " + dir / "refilled.rho").out, countLines(0, 0, 0));
}

// Holed copies far apart need more shapes than the table has room for:
// forcing fills the table, says so, and saves what it placed.
TEST_F(RhotoolRules, ForceSaysWhenTheShapeTableFilledUp) {
    auto t = createTiling(shell);
    const ForcedPatch patch = forcedPatchWithAHole(*t, shell);
    const int copies = kMaxShapes / static_cast<int>(patch.whole.size()) + 1;
    std::vector<TileShape> shapes;
    for (int k = 0; k < copies; ++k)
        for (TileShape s : patch.holed) {
            s.x += 2000.0 * k;
            shapes.push_back(s);
        }
    ASSERT_LE(shapes.size(), static_cast<size_t>(kMaxShapes));
    save("copies.rho", shapes);
    const int room = kMaxShapes - static_cast<int>(shapes.size());
    ASSERT_LT(room, 100 * copies);

    const ToolRun force = rhotool("force " + dir / "copies.rho" + " -o " + dir / "full.rho");
    ASSERT_EQ(force.status, 0) << force.err;
    EXPECT_EQ(force.out, "forced shapes: " + std::to_string(room) + "\ndead ends: 0\n");
    EXPECT_EQ(force.err, "rhotool: the shape table filled up (15000 shapes, 12000 contour points); forcing "
                         "stopped there\n");
    EXPECT_EQ(open("full.rho")->shapeCount(), kMaxShapes);
}

}  // namespace
}  // namespace rho

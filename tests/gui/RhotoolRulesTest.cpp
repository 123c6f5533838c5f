// rhotool's matching-rule verbs run through the executable on real files:
// their exact output lines against the core's own results on the same file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "edit/Creation.h"
#include "generate/PenrosePatchCommand.h"
#include "generate/Quasitiler.h"
#include "io/TilingFile.h"
#include "rules/Deflation.h"
#include "support/FakeShell.h"
#include "support/RhotoolRun.h"
#include "support/TempDir.h"
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
    // The editor's own penrose patch command, saved with the editor's writer.
    void penrosePatch(const std::string& name, int radius) {
        auto t = createTiling(shell);
        runPenrosePatch(*t, shell, radius);
        ASSERT_TRUE(writeTiling(*t, shell, dir / name));
    }
    void quasitilerPatch(const std::string& name, int radius) {
        auto t = createTiling(shell);
        runQuasitiler(*t, shell, radius);
        ASSERT_TRUE(writeTiling(*t, shell, dir / name));
    }
};

// Empty when both files hold the same shapes, in any order, within a
// hundredth of a unit (the file keeps six decimals); else the first shape
// of `a` that `b` lacks.
std::string shapeDifference(const Tiling& a, const Tiling& b) {
    if (a.shapeLast != b.shapeLast)
        return std::to_string(a.shapeCount()) + " shapes against " + std::to_string(b.shapeCount());
    std::vector<bool> used(static_cast<size_t>(b.shapeLast + 1), false);
    for (int i = 0; i <= a.shapeLast; ++i) {
        const TileShape& s = a.shapes[i];
        bool found = false;
        for (int j = 0; j <= b.shapeLast && !found; ++j) {
            const TileShape& u = b.shapes[j];
            if (used[static_cast<size_t>(j)] || std::fabs(s.x - u.x) > 0.01 || std::fabs(s.y - u.y) > 0.01 ||
                s.kind != u.kind || s.angle != u.angle || s.color != u.color)
                continue;
            used[static_cast<size_t>(j)] = found = true;
        }
        if (!found)
            return "shape " + std::to_string(i) + " at " + std::to_string(s.x) + " " + std::to_string(s.y) + " missing";
    }
    return "";
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
    EXPECT_EQ(wide.status, 2);
    EXPECT_EQ(wide.err, "An integer number is required between 5 and 50\n" + rhotool("--help").out);
    EXPECT_FALSE(std::filesystem::exists(dir / "w.rho"));
}

// Deflating writes what the core makes of the same file; composing gives
// back the patch it came from, and --times 2 is two single deflations.
TEST_F(RhotoolRules, DeflateAndComposeRoundTrip) {
    penrosePatch("p.rho", 10);
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
    quasitilerPatch("q.rho", 10);
    penrosePatch("p.rho", 10);
    std::ofstream(dir / "old.rho") << "previous";
    struct Case {
        std::string arguments;
        DeflateResult expected;
        bool composing;
    };
    auto core = open("q.rho");
    const DeflateResult conflicts = deflateTiling(*core);
    ASSERT_EQ(conflicts.outcome, DeflateOutcome::ArrowConflicts);
    ASSERT_GT(conflicts.arrowConflicts, 0);
    const DeflateResult nothing = composeTiling(*core);
    ASSERT_EQ(nothing.outcome, DeflateOutcome::NothingComposed);
    core = open("p.rho");
    const DeflateResult large = deflateTiling(*core, 5);
    ASSERT_EQ(large.outcome, DeflateOutcome::TooLarge);
    const Case cases[] = {{"deflate " + dir / "q.rho", conflicts, false},
                          {"compose " + dir / "q.rho", nothing, true},
                          {"deflate " + dir / "p.rho" + " --times 5", large, false}};
    for (const Case& c : cases)
        for (const std::string target : {"new.rho", "old.rho"}) {
            const ToolRun r = rhotool(c.arguments + " -o " + dir / target);
            EXPECT_EQ(r.status, 1) << c.arguments;
            EXPECT_EQ(r.out, "") << c.arguments;
            EXPECT_EQ(r.err, "rhotool: " + deflateResultText(c.expected, c.composing) + "\n") << c.arguments;
        }
    EXPECT_EQ(rhotool("deflate " + dir / "q.rho" + " -o " + dir / "x.rho").err.substr(0, 25),
              "rhotool: Can not deflate:");
    EXPECT_FALSE(std::filesystem::exists(dir / "new.rho"));
    EXPECT_EQ(slurp(dir / "old.rho"), "previous");
}

// Bad arguments are usage errors (2) before anything is read; an unreadable
// file and a failed write get the editor's messages and 1, and the previous
// file stays as it was.
TEST_F(RhotoolRules, BadArgumentsUnreadableFilesAndFailedWrites) {
    penrosePatch("p.rho", 5);
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
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "rhotool: " + dir / "none.rho" + ":\nCan not open file\nError reading file\n");
    EXPECT_FALSE(std::filesystem::exists(o));

    std::ofstream(o) << "previous";
    const ToolRun full = rhotool("deflate " + p + " -o " + o, "ulimit -f 1; ");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "rhotool: " + o + ":\nError writing file\n");
    EXPECT_EQ(slurp(o), "previous");
}

}  // namespace
}  // namespace rho

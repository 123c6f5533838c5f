// The six colorize commands: their colour rules, the kept selection sign,
// and the status texts and redraw each one goes through.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "generate/Colorize.h"
#include "generate/Quasitiler.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Command = void (*)(Tiling&, Shell&);

struct ColorizeCase {
    Command command;
    const char* statusText;
    std::vector<int> expected;
};

struct Colorize : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    // kind, angle, colour: plain, selected, angle 9, colour 0, and a damaged
    // record with kind 2 and angle 12.
    void fill() {
        const int rows[5][3] = {{0, 0, 5}, {1, 4, -7}, {1, 9, 3}, {0, 5, 0}, {2, 12, -2}};
        t->shapeLast = -1;
        for (const auto& r : rows) t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, r[0], r[1], r[2]};
    }
    std::vector<int> colors() const {
        std::vector<int> c;
        for (int i = 0; i <= t->shapeLast; ++i) c.push_back(t->shapes[i].color);
        return c;
    }
};

const ColorizeCase kCases[] = {
    {colorizeall1Click, "colorizing all shapes", {8, -8, 8, -8, -8}},
    {colorizeselected1Click, "colorizing selected shapes", {5, -8, 3, 0, -8}},
    {bytype1Click, "colorizing by type", {11, -20, 20, 0, -2}},
    {byangle1Click, "colorizing shapes by angle", {11, -19, 20, -11, -2}},
    {byfullangle1Click, "colorizing shapes by full angle", {11, -15, 20, -16, -2}},
    {restorecolors1Click, "restoring default color", {1, -1, 1, -1, -1}},
};

TEST_F(Colorize, EachRuleKeepsTheSelectionAndAnnouncesItself) {
    t->currentColor = 8;
    for (const ColorizeCase& c : kCases) {
        SCOPED_TRACE(c.statusText);
        fill();
        shell.statusHistory.clear();
        const int redraws = shell.recording.count("rectangle");
        c.command(*t, shell);
        EXPECT_EQ(colors(), c.expected);
        EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{c.statusText, "idle"}));
        EXPECT_EQ(shell.recording.count("rectangle"), redraws + 1);
        EXPECT_EQ(t->statusText, "idle");
    }
    EXPECT_EQ(t->modified, 0);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Colorize, EmptyTilingIsOnlyRedrawn) {
    for (const ColorizeCase& c : kCases) c.command(*t, shell);
    EXPECT_EQ(shell.statusHistory.size(), 12u);
    EXPECT_EQ(shell.recording.count("rectangle"), 6);
    EXPECT_EQ(shell.recording.count("polygon"), 0);
    EXPECT_EQ(t->shapeLast, -1);
}

TEST_F(Colorize, GeneratedTilingByFullAngleUsesTheFirstFiveGreys) {
    ASSERT_TRUE(generateQuasiTiling(*t, 10));
    byfullangle1Click(*t, shell);
    const std::vector<int> c = colors();
    EXPECT_EQ(std::set<int>(c.begin(), c.end()), (std::set<int>{11, 12, 13, 14, 15}));
}

}  // namespace
}  // namespace rho

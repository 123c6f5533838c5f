// The "set" menu's display commands: flags, check marks, buttons, repaint.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "edit/Creation.h"
#include "edit/DisplayCommands.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Marks = std::map<std::string, bool>;

struct DisplayCommands : ::testing::Test {
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t = createTiling(shell);
    // The background rectangle of the last repaint.
    const test::DrawCall& lastBackground() const {
        for (auto c = shell.recording.calls.rbegin(); c != shell.recording.calls.rend(); ++c)
            if (c->op == "rectangle") return *c;
        throw std::runtime_error("no repaint");
    }
};

struct DisplayCase {
    void (*command)(Tiling&, Shell&);
    const char* item;
    int decoration;
    int outline;
};

TEST_F(DisplayCommands, EachSetsItsFlagsMarkAndButtonAndRepaints) {
    const DisplayCase cases[] = {
        {displayas1Click, "display as set", 1, 0},
        {displayasboth1Click, "display as both", 1, 1},
        {displayasshape1Click, "display as shape", 0, 0},
    };
    for (const DisplayCase& c : cases) {
        shell.recording.calls.clear();
        shell.buttonDown.clear();
        c.command(*t, shell);
        EXPECT_EQ(std::make_tuple(int{t->decoration}, int{t->outline}, t->modified),
                  std::make_tuple(c.decoration, c.outline, 0))
            << c.item;
        Marks marks{{"display as set", false}, {"display as shape", false}, {"display as both", false}};
        marks[c.item] = true;
        EXPECT_EQ(shell.menuChecked, marks);
        EXPECT_EQ(shell.buttonDown, (Marks{{c.item, true}}));
        EXPECT_EQ(lastBackground().points[1].x, 584) << c.item;
    }
}

TEST_F(DisplayCommands, AntialiasedLinesToggleTheMarkAndTheWhiteBackground) {
    t->palette[2] = 0x123456;
    antialiasedlines1Click(*t, shell);
    EXPECT_EQ(std::make_tuple(t->antialiased, shell.menuChecked["antialiased lines"], lastBackground().brush),
              std::make_tuple(1, true, Color{0xffffff}));
    antialiasedlines1Click(*t, shell);
    EXPECT_EQ(std::make_tuple(t->antialiased, shell.menuChecked["antialiased lines"], lastBackground().brush),
              std::make_tuple(0, false, Color{0x123456}));
    EXPECT_EQ(t->modified, 0);
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "support/EditorFixture.h"

namespace rho {
namespace {

using SetEditorViewTest = test::EditorFixture;

bool onLattice(const std::vector<Point2>& lattice, Point2 p) {
    for (const Point2& q : lattice)
        if (std::abs(q.x - p.x) < 1e-6 && std::abs(q.y - p.y) < 1e-6) return true;
    return false;
}

TEST_F(SetEditorViewTest, ViewScaleIsTheSmallerOfWidthOver80AndHeightOver70) {
    const struct { int w, h; double scale; } cases[] = {{800, 560, 8.0}, {400, 700, 5.0}, {800, 600, 600 / 70.0}};
    for (const auto& c : cases) {
        editorShell.setClientSize(c.w, c.h);
        FormResize(e);
        EXPECT_DOUBLE_EQ(e.viewScale, c.scale) << c.w << " x " << c.h;
    }
}

TEST_F(SetEditorViewTest, OutlineLiesTurnedWithTwoSidesHorizontal) {
    const double small[4][2] = {{710.12, 199.24}, {367.26, 199.24}, {89.88, 400.76}, {432.74, 400.76}};
    const double large[4][2] = {{624.40, 136.96}, {281.55, 136.96}, {175.60, 463.04}, {518.45, 463.04}};
    for (int shape = 0; shape < 2; ++shape) {
        e.editLarge = shape;
        FormPaint(e);
        const auto& expected = shape ? large : small;
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(e.screenOutline[k].x, expected[k][0], 0.01) << "shape " << shape << " corner " << k;
            EXPECT_NEAR(e.screenOutline[k].y, expected[k][1], 0.01) << "shape " << shape << " corner " << k;
        }
    }
}

TEST_F(SetEditorViewTest, EachGridKindPutsItsSideOnTheLattice) {
    // Which of V0..V3 are lattice points, per grid kind, for an even unit.
    const bool expected[5][4] = {{true, true, true, true},
                                 {false, true, true, false},
                                 {true, false, false, true},
                                 {true, true, false, false},
                                 {false, false, true, true}};
    for (int shape = 0; shape < 2; ++shape) {
        for (int kind = 0; kind < 5; ++kind) {
            for (double unit : {4.0, 6.0}) {
                e.editLarge = shape;
                e.gridKind = kind;
                e.gridUnit = unit;
                FormPaint(e);
                const auto lattice = gridLattice(e);
                const std::size_t side = static_cast<std::size_t>(4 * unit + 1);
                ASSERT_EQ(lattice.size(), side * side);
                for (int v = 0; v < 4; ++v)
                    EXPECT_EQ(onLattice(lattice, e.screenOutline[v]), expected[kind][v])
                        << "shape " << shape << " kind " << kind << " unit " << unit << " vertex " << v;
            }
        }
    }
}

TEST_F(SetEditorViewTest, GridUnitStepsTestTheirBoundBeforeStepping) {
    // B, b: the buttons "set grid unit to larger" / "to smaller" (by 2);
    // M, m: the menu items "smaller" (adds 1) and "larger" (subtracts 1).
    const struct { const char* steps; double unit; } cases[] = {
        {"bbb", 4},          {"BBBBBBB", 14},       {"MMMMMMMMMMMM", 14}, {"MMMMMMMMMB", 15},
        {"MMMMMMMMMBMB", 15}, {"MMMMMMMMMBm", 14},  {"MMMMMMMMMBb", 13},  {"Mb", 3},
        {"Mbbm", 3},         {"MbM", 4},
    };
    for (const auto& c : cases) {
        e.gridUnit = 4.0;
        for (const char* s = c.steps; *s; ++s) {
            switch (*s) {
                case 'B': gridUnitLargerButtonClick(e); break;
                case 'b': gridUnitSmallerButtonClick(e); break;
                case 'M': smaller1Click(e); break;
                case 'm': larger1Click(e); break;
            }
        }
        EXPECT_EQ(e.gridUnit, c.unit) << c.steps;
    }
}

TEST_F(SetEditorViewTest, GridKindFromTheMenuChecksItsItemAndPressesItsButton) {
    right1Click(e);
    EXPECT_EQ(e.gridKind, 2);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(editorShell.menuChecked[kGridKindItems[k]], k == 2) << kGridKindItems[k];
        EXPECT_EQ(editorShell.buttonDown[kGridKindHints[k]], k == 2) << kGridKindHints[k];
    }
    displaygrid1Click(e);
    EXPECT_EQ(std::tuple(e.displayGrid, editorShell.menuChecked["display grid"]), std::tuple(0, false));
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <string>

#include "edit/Creation.h"
#include "io/SvgExport.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

struct SvgDecorationTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    void SetUp() override {
        t->shapes[0] = TileShape{100.0, 50.0, kSmallShape, 3, 4};
        t->shapes[1] = TileShape{-20.0, 0.5, kLargeShape, 0, -6};
        t->shapeLast = 1;
        SetObject& line = t->set.small.objects[0];
        line = SetObject{0, 1, 0x0000ff, 0xffffff, {}};
        line.points[0] = {0.0, 0.0};
        line.points[1] = {10.0, 0.0};
        t->set.small.count = 1;
        SetObject& polygon = t->set.large.objects[0];
        polygon = SetObject{2, 2, 0x000000, 0x00ffff, {}};
        polygon.points[0] = {0.0, -5.0};
        polygon.points[1] = {5.0, 0.0};
        polygon.points[2] = {0.0, 5.0};
        t->set.large.count = 1;
    }
};

TEST_F(SvgDecorationTest, SetDrawnInPlaceOfTheShapesWithTheBlueOutlineForBoth) {
    t->decoration = 1;
    t->outline = 1;
    const std::string svg = svgText(*t, BoundingBox{-100, -100, 300, 300});
    EXPECT_NE(svg.find("<g id=\"set-small\" stroke-width=\"1\"><polyline points=\"0.000000,0.000000 10.000000,0.000000\""
                       " fill=\"none\" stroke=\"#ff0000\"/></g>"),
              std::string::npos);
    EXPECT_NE(svg.find("<g id=\"set-large\" stroke-width=\"1\"><polygon points=\"0.000000,-5.000000 5.000000,0.000000 "
                       "0.000000,5.000000\" fill=\"#ffff00\" fill-rule=\"evenodd\" stroke=\"#000000\"/></g>"),
              std::string::npos);
    EXPECT_NE(svg.find("<use href=\"#set-small\" transform=\"translate(100.000000 50.000000) rotate(108.000000)\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("<use href=\"#set-large\" transform=\"translate(-20.000000 0.500000) rotate(0.000000)\"/>"),
              std::string::npos);
    EXPECT_EQ(occurrences(svg, "fill=\"none\" stroke=\"#0000ff\""), 2);
    EXPECT_EQ(occurrences(svg, "url(#hatch)\"/>"), 0);  // the selected shape shows its decoration only
}

TEST_F(SvgDecorationTest, AntialiasedLinesAreBlackOverWhite) {
    t->decoration = 1;
    t->antialiased = 1;
    const std::string svg = svgText(*t, BoundingBox{-100, -100, 300, 300});
    EXPECT_NE(svg.find("height=\"300.000000\" fill=\"#ffffff\"/>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"none\" stroke=\"#000000\"/></g>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ffffff\" fill-rule=\"evenodd\" stroke=\"#000000\"/></g>"), std::string::npos);
    EXPECT_EQ(occurrences(svg, "stroke=\"#0000ff\""), 0);
}

TEST_F(SvgDecorationTest, PlainShapesWithoutTheSet) {
    const std::string svg = svgText(*t, BoundingBox{-100, -100, 300, 300});
    EXPECT_EQ(occurrences(svg, "<use "), 0);
    EXPECT_EQ(occurrences(svg, "set-small"), 0);
    EXPECT_EQ(occurrences(svg, "url(#hatch)\"/>"), 1);
}

}  // namespace
}  // namespace rho

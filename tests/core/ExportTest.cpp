#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "edit/Creation.h"
#include "io/Export.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using test::slurp;

struct ExportTest : ::testing::Test {
    test::TempDir dir{"rho-export"};
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

TEST_F(ExportTest, PostScriptDocument) {
    const std::string prologue =
        "%!\n%% RHO 2.0 generated PostScript document\n\n"
        "/small{\n    1.0 setlinewidth\n    newpath\n    moveto\n"
        "    -11.755705 -36.180340 moveto\n    -11.755705 3.819660 lineto\n"
        "    11.755705 36.180340 lineto\n    11.755705 -3.819660 lineto\n"
        "    closepath\n    stroke\n} def\n\n"
        "/large{\n    1.0 setlinewidth\n    newpath\n    moveto\n"
        "    -19.021130 -26.180340 moveto\n    -19.021130 13.819660 lineto\n"
        "    19.021130 26.180340 lineto\n    19.021130 -13.819660 lineto\n"
        "    closepath\n    stroke\n} def\n\n";
    EXPECT_EQ(postScriptText(*t), prologue + "showpage\n");
    t->shapes[0] = TileShape{100.0, 50.0, kLargeShape, 3, -4};
    t->shapes[1] = TileShape{-7.25, -0.5, kSmallShape, 9, 2};
    t->shapeLast = 1;
    EXPECT_EQ(postScriptText(*t),
              prologue + "gsave\n    100.000000 50.000000 translate\n    108 rotate\n    0 0 large\ngrestore\n\n"
                         "gsave\n    -7.250000 -0.500000 translate\n    324 rotate\n    0 0 small\ngrestore\n\n"
                         "showpage\n");
}

// Refused targets and failed writes of every writer: SaveTargetTest.
TEST_F(ExportTest, PostScriptWriteSavesTheDocumentAndGoesIdle) {
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 1};
    t->shapeLast = 0;
    ASSERT_TRUE(writePostScript(*t, shell, dir / "tile.ps"));
    EXPECT_EQ(slurp(dir / "tile.ps"), postScriptText(*t));
    EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{"saving PostScript document", "idle"}));
}

TEST_F(ExportTest, BitmapSizeAndScreenLimit) {
    shell.screenW = 200;
    shell.screenH = 100;
    t->zoom = 0.5;
    t->viewOriginX = 33;  // scrolling does not matter
    applyView(*t);
    t->box = {0, 0, 2000, 1000};  // exactly five screens
    EXPECT_TRUE(writeBitmap(*t, shell, dir / "a.bmp"));
    EXPECT_EQ(std::pair(shell.bitmapWidth, shell.bitmapHeight), std::pair(1000, 500));
    EXPECT_EQ(slurp(dir / "a.bmp"), "bitmap 1000x500\n");
    // Too wide, under one pixel, negative, and boxes whose pixels are no whole numbers at all.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (BoundingBox refused : {BoundingBox{0, 0, 2002, 1000}, BoundingBox{0, 0, 1, 1000}, BoundingBox{10, 10, -100, 50},
                                BoundingBox{0, 0, -1e308, 100}, BoundingBox{0, 0, 100, 1e308}, BoundingBox{0, 0, nan, 100},
                                BoundingBox{1e308, 0, 1e308, 100}, BoundingBox{-1e308, 0, 1e308, 100}}) {
        t->box = refused;
        EXPECT_FALSE(writeBitmap(*t, shell, dir / "b.bmp"));
    }
    EXPECT_FALSE(fs::exists(dir / "b.bmp"));
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ExportTest, BitmapThatCannotBeEncodedKeepsThePreviousFile) {
    std::ofstream(dir / "e.bmp") << "previous";
    shell.bitmapEncodingFails = true;
    t->box = {0, 0, 100, 100};
    EXPECT_FALSE(writeBitmap(*t, shell, dir / "e.bmp"));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Error writing file"});
    EXPECT_EQ(slurp(dir / "e.bmp"), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 1);
}

TEST_F(ExportTest, CommandDispatchesByFilterEntry) {
    exporttile1Click(*t, shell);  // cancelled
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].request.title, "export tile as");
    EXPECT_EQ(shell.dialogs[0].request.filter,
              "PostScript (*.ps)|*.ps|Windows bitmap (*.bmp)|*.bmp|byte array (*.raw)|*.raw");
    EXPECT_EQ(shell.dialogs[0].request.defaultExt, "");
    shell.screenW = 10;  // the default box is more than five screens
    for (const auto& [name, entry] : {std::pair{"x.ps", 1}, std::pair{"x.raw", 3}, std::pair{"x.bmp", 2}}) {
        shell.fileChoices.push_back(FileChoice{dir / name, entry});
        exporttile1Click(*t, shell);
    }
    EXPECT_TRUE(fs::exists(dir / "x.ps"));
    EXPECT_FALSE(fs::exists(dir / "x.raw"));
    EXPECT_FALSE(fs::exists(dir / "x.bmp"));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Out of memory. Can not render bitmap."});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
}

}  // namespace
}  // namespace rho

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "io/Export.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct ExportTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    fs::path dir = fs::temp_directory_path() / ("rho-export-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(ExportTest, PostScriptDocumentHasPrologueBlocksAndShowpage) {
    t->shapes[0] = TileShape{100.0, 50.0, kLargeShape, 3, -4};
    t->shapes[1] = TileShape{-7.25, -0.5, kSmallShape, 9, 2};
    t->shapeLast = 1;
    const std::string ps = postScriptText(*t);
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
    const std::string blocks =
        "gsave\n    100.000000 50.000000 translate\n    108 rotate\n    0 0 large\ngrestore\n\n"
        "gsave\n    -7.250000 -0.500000 translate\n    324 rotate\n    0 0 small\ngrestore\n\n";
    EXPECT_EQ(ps, prologue + blocks + "showpage\n");

    t->shapeLast = -1;
    EXPECT_EQ(postScriptText(*t), prologue + "showpage\n");
}

TEST_F(ExportTest, PostScriptWriteReportsFailuresAndKeepsThePreviousFile) {
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 1};
    t->shapeLast = 0;
    const fs::path target = dir / "tile.ps";
    ASSERT_TRUE(writePostScript(*t, shell, target.string()));
    EXPECT_EQ(readFile(target), postScriptText(*t));
    EXPECT_EQ(t->statusText, "idle");
    EXPECT_EQ(shell.progressPos, 0);
    EXPECT_TRUE(shell.messages.empty());

    // A directory that does not exist: nothing can be created.
    EXPECT_FALSE(writePostScript(*t, shell, (dir / "missing" / "tile.ps").string()));
    EXPECT_EQ(shell.messageTexts(), (std::vector<std::string>{"Can not create file", "Error writing file"}));
    EXPECT_EQ(t->statusText, "saving PostScript document");

    // A full disk: the write fails after the file was opened.
    if (fs::exists("/dev/full")) {
        shell.messages.clear();
        const fs::path link = dir / "full.ps";
        fs::create_symlink("/dev/full", link);
        // A link to a device: the device is written in place (never replaced),
        // and its "no space left" must be reported, not taken for success.
        EXPECT_FALSE(writePostScript(*t, shell, link.string()));
        EXPECT_FALSE(shell.messages.empty());
        EXPECT_EQ(shell.messages.back().text, "Error writing file");
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
    EXPECT_EQ(readFile(target), postScriptText(*t));
}

TEST_F(ExportTest, BitmapSizeFollowsTheBoxAndTheScreenLimit) {
    shell.screenW = 200;
    shell.screenH = 100;
    t->zoom = 0.5;
    t->viewOriginX = 33;  // scrolling does not matter
    applyView(*t);
    t->box = {0, 0, 2000, 1000};  // exactly five screens at zoom 0.5
    EXPECT_TRUE(writeBitmap(*t, shell, "a.bmp"));
    EXPECT_EQ(shell.bitmapWidth, 1000);
    EXPECT_EQ(shell.bitmapHeight, 500);
    EXPECT_EQ(shell.savedBitmaps, std::vector<std::string>{"a.bmp"});

    shell.bitmapWidth = -1;
    t->box = {0, 0, 2002, 1000};  // one pixel wider
    EXPECT_FALSE(writeBitmap(*t, shell, "b.bmp"));
    EXPECT_EQ(shell.bitmapWidth, -1);
    t->box = {0, 0, 1, 1000};  // half a pixel wide: no picture
    EXPECT_FALSE(writeBitmap(*t, shell, "c.bmp"));
    t->box = {10, 10, -100, 50};
    EXPECT_FALSE(writeBitmap(*t, shell, "d.bmp"));
    EXPECT_EQ(shell.savedBitmaps.size(), 1u);
    EXPECT_TRUE(shell.messages.empty());

    shell.bitmapSavesFail = true;
    t->box = {0, 0, 100, 100};
    EXPECT_FALSE(writeBitmap(*t, shell, "e.bmp"));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Error writing file"});
}

TEST_F(ExportTest, CommandDispatchesByFilterEntry) {
    t->shapes[0] = TileShape{0, 0, kSmallShape, 0, 1};
    t->shapeLast = 0;
    exporttile1Click(*t, shell);  // cancelled
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_TRUE(shell.dialogs[0].save);
    EXPECT_EQ(shell.dialogs[0].request.title, "export tile as");
    EXPECT_EQ(shell.dialogs[0].request.filter,
              "PostScript (*.ps)|*.ps|Windows bitmap (*.bmp)|*.bmp|byte array (*.raw)|*.raw");
    EXPECT_EQ(shell.dialogs[0].request.defaultExt, "");
    EXPECT_TRUE(shell.dialogs[0].request.confirmOverwrite);

    shell.fileChoices.push_back(FileChoice{(dir / "x.ps").string(), 1});
    shell.fileChoices.push_back(FileChoice{(dir / "x.raw").string(), 3});
    shell.screenW = 10;  // the default box is far more than five screens
    shell.fileChoices.push_back(FileChoice{(dir / "x.bmp").string(), 2});
    exporttile1Click(*t, shell);
    exporttile1Click(*t, shell);
    exporttile1Click(*t, shell);
    EXPECT_TRUE(fs::exists(dir / "x.ps"));
    EXPECT_FALSE(fs::exists(dir / "x.raw"));
    EXPECT_FALSE(fs::exists(dir / "x.bmp"));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Out of memory. Can not render bitmap."});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
}

}  // namespace
}  // namespace rho

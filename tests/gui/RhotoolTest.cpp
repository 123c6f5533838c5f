// rhotool run as a user runs it: through the executable, on files the test makes.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "edit/Placement.h"
#include "generate/Quasitiler.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Contour.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::slurp;
using namespace std::string_literals;

struct ToolRun {
    int status = -1;
    std::string out, err;
    bool says(const std::string& text) const { return (out + err).find(text) != std::string::npos; }
};

struct RhotoolTest : ::testing::Test {
    test::TempDir dir{"rhotool-test"};
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    // Runs rhotool through the shell; `before` may set a limit or start a pipe into it.
    ToolRun rhotool(const std::string& arguments, const std::string& before = "") {
        const std::string command = before + std::string(RHO_BINARY_DIR) + "/rhotool " + arguments + " 2>" + dir / "err";
        ToolRun r;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = slurp(dir / "err");
        return r;
    }
    // Writes the test's tiling, with its contour, with the editor's own writer.
    void save(const std::string& name, const std::vector<TileShape>& shapes) {
        for (const TileShape& s : shapes) t->shapes[++t->shapeLast] = s;
        recalculateContour(*t, shell);
        ASSERT_TRUE(writeTiling(*t, shell, dir / name));
    }
};

TEST_F(RhotoolTest, UsageBadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(rhotool("--help").status, 0);
    for (const std::string bad : {"", "frobnicate", "info", "attach a.rho medium 0 0 0", "attach a.rho large 0 0 10",
                                  "attach a.rho large 0 0 -1", "export x.rho out.gif"}) {
        const ToolRun r = rhotool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(r.says("usage: rhotool")) << bad;
    }
    const ToolRun radius = rhotool("generate 51 " + dir / "g.rho");
    EXPECT_EQ(radius.status, 2);
    EXPECT_TRUE(radius.says("An integer number is required between 5 and 50"));
    std::ofstream(dir / "cut.rho") << "960905\n3\n1.0 2.0 1 0 1\n";
    const ToolRun cut = rhotool("info " + dir / "cut.rho");
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(cut.says("Error reading file"));
}

TEST_F(RhotoolTest, GenerateInfoAndCheck) {
    ASSERT_EQ(rhotool("generate 10 " + dir / "r10.rho").status, 0);
    runQuasitiler(*t, shell, 10);
    EXPECT_EQ(slurp(dir / "r10.rho"), tilingText(*t));  // the editor's own command, byte for byte
    EXPECT_EQ(rhotool("check " + dir / "r10.rho").status, 0);

    // A stored contour that lost its last point, and a table with an overlap.
    std::string text = slurp(dir / "r10.rho");
    text.erase(text.rfind('\n', text.size() - 2) + 1);
    const std::string count = std::to_string(t->contourLast);
    text.replace(text.rfind("\n" + count + "\n") + 1, count.size(), std::to_string(t->contourLast - 1));
    std::ofstream(dir / "stale.rho") << text;
    const ToolRun stale = rhotool("check " + dir / "stale.rho");
    EXPECT_EQ(stale.status, 1);
    EXPECT_TRUE(stale.says("recalculated only:")) << stale.out;
    t->shapes[1] = t->shapes[0];
    t->shapes[1].x += 1;
    ASSERT_TRUE(writeTiling(*t, shell, dir / "overlap.rho"));
    EXPECT_TRUE(rhotool("check " + dir / "overlap.rho").says("refused shape 1"));
}

TEST_F(RhotoolTest, InfoCountsKindsSelectionAndTheCornersExtent) {
    // Apart from each other, so that the contour is every corner: 12 points.
    save("three.rho", {{0, 0, kLargeShape, 0, 1}, {100, 0, kSmallShape, 0, -3}, {200, 10, kSmallShape, 5, 2}});
    const ToolRun info = rhotool("info " + dir / "three.rho");
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, "shapes:3 contour:12\nlarge: 1\nsmall: 2\nselected: 1\n"
                        "bounding box: -19.021130 -36.180340 211.755705 46.180340\n");
    t->shapeLast = -1;
    save("none.rho", {});
    EXPECT_EQ(rhotool("info " + dir / "none.rho").out,
              "shapes:0 contour:0\nlarge: 0\nsmall: 0\nselected: 0\nbounding box: none\n");
}

TEST_F(RhotoolTest, AttachSnapsLikeTheEditToolAndSavesOnlyOnSuccess) {
    save("one.rho", {{0, 0, kLargeShape, 0, 1}});
    const ToolRun attached = rhotool("attach " + dir / "one.rho" + " large 40 15 5 -o " + dir / "two.rho");
    ASSERT_EQ(attached.status, 0) << attached.err;
    // The same attach in the editor after opening the same file.
    ASSERT_TRUE(readTiling(*t, shell, dir / "one.rho"));
    t->floating = TileShape{40, 15, kLargeShape, 5, 1};
    t->adding = 1;
    ASSERT_TRUE(attachShape(*t, shell));
    char expected[96];
    std::snprintf(expected, sizeof expected, "attached 1 %.6f %.6f\n", t->shapes[1].x, t->shapes[1].y);
    EXPECT_EQ(attached.out, expected);
    EXPECT_EQ(slurp(dir / "two.rho"), tilingText(*t));

    const std::string before = slurp(dir / "one.rho");
    const ToolRun refused = rhotool("attach " + dir / "one.rho" + " small 500 500 0");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "refused\n");
    EXPECT_EQ(slurp(dir / "one.rho"), before);
    // An empty output name is no name: the input is not overwritten.
    const ToolRun unnamed = rhotool("attach " + dir / "one.rho" + " large 40 15 5 -o ''");
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(unnamed.says("-o needs a file name"));
    EXPECT_EQ(slurp(dir / "one.rho"), before);
}

// The hand-placement limit: a shape is attached to 5000 shapes, and refused
// at 5001 with the reason (here a stack of one large shape at the origin,
// whose four corners are the contour).
TEST_F(RhotoolTest, AttachSaysWhenTheHandPlacementLimitRefusesIt) {
    save("one.rho", {{0, 0, kLargeShape, 0, 1}});
    for (int count : {5000, 5001}) {
        for (int i = 1; i < count; ++i) t->shapes[i] = t->shapes[0];
        t->shapeLast = count - 1;
        const std::string name = dir / ("stack" + std::to_string(count) + ".rho");
        ASSERT_TRUE(writeTiling(*t, shell, name));
        const ToolRun r = rhotool("attach " + name + " large 40 15 5");
        if (count == 5000) {
            EXPECT_EQ(std::make_tuple(r.status, r.out.substr(0, 14), r.err), std::make_tuple(0, "attached 5000 "s, ""s));
        } else {
            EXPECT_EQ(std::make_tuple(r.status, r.out), std::make_tuple(1, "refused\n"s));
            EXPECT_EQ(r.err, "rhotool: the tiling holds 5001 shapes; shapes are attached by hand only to tilings of "
                             "at most 5000\n");
        }
    }
    // Refused for want of a free point near it: no limit is named.
    const ToolRun far = rhotool("attach " + dir / "one.rho" + " small 500 500 0");
    EXPECT_EQ(std::make_tuple(far.status, far.out, far.err), std::make_tuple(1, "refused\n"s, ""s));
}

// A tiling file larger than the reader takes is refused with the reason.
TEST_F(RhotoolTest, SaysWhenATilingFileIsTooLarge) {
    const std::string big = dir / "big.rho";
    std::ofstream(big) << "960905\n0\n0 0 1 0 1\n-1\n";
    std::filesystem::resize_file(big, kMaxTilingFileBytes + 1);
    const ToolRun r = rhotool("info " + big);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "rhotool: " + big + ":\nError reading file\n"
                     "the file is larger than 67108864 bytes, the most a tiling file may hold\n");
    // A file the reader refuses for its content gets no such reason.
    std::filesystem::resize_file(big, 40);
    EXPECT_EQ(rhotool("info " + big).err, "rhotool: " + big + ":\nError reading file\n");
}

// Boxes and zooms whose picture is not finite, empty or beyond five screens
// (5 x 1920 by 5 x 1080) are refused before anything is read or written.
TEST_F(RhotoolTest, ExportRefusesPicturesThatAreEmptyOrTooLargeInEveryFormat) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}});
    const std::string options[] = {"--box 0 0 -1e308 100", "--box 0 0 100 -1",   "--box 0 0 0.5 100",
                                   "--box 0 0 1e308 100",  "--box 0 0 9601 10",   "--box 0 0 10 5401",
                                   "--zoom 100",           "--zoom 1e-300",       "--zoom inf",
                                   "--zoom nan",           "--box 0 0 inf 100",   "--box nan 0 10 10"};
    std::vector<std::pair<std::string, std::string>> runs;
    for (const std::string& option : options) runs.emplace_back("png", option);
    for (const char* ext : {"bmp", "svg", "ps"})
        for (const char* option : {"--box 0 0 -1e308 100", "--zoom 100"}) runs.emplace_back(ext, option);
    for (const auto& [ext, option] : runs) {
        const std::string out = dir / ("refused." + ext);
        const ToolRun r = rhotool("export " + dir / "tile.rho" + " " + out + " " + option);
        EXPECT_EQ(r.status, 2) << ext << " " << option;
        EXPECT_TRUE(r.says("usage: rhotool")) << ext << " " << option;
        EXPECT_FALSE(std::filesystem::exists(out)) << ext << " " << option;
    }
    // Exactly five screens is still a picture.
    const ToolRun widest = rhotool("export " + dir / "tile.rho" + " " + dir / "wide.svg" + " --box 0 0 9600 5400");
    EXPECT_EQ(widest.status, 0) << widest.err;
}

// A desktop platform that cannot start (no display) does not stop the tool.
TEST_F(RhotoolTest, ExportRunsWithoutADisplayWhateverThePlatformNamed) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}});
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + std::string(RHO_BINARY_DIR) +
                                "/rhotool export " + dir / "tile.rho" + " " + dir / "x.png" + " >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(QImage(QString::fromStdString(dir / "x.png")).size(), QSize(1000, 700));
}

// The README's rhotool lines, run in order in an empty folder as a newcomer
// would copy them, each succeed.
TEST_F(RhotoolTest, ReadmeExamplesSucceed) {
    std::istringstream readme(slurp(std::string(RHO_SOURCE_DIR) + "/README.md"));
    std::vector<std::string> commands;
    for (std::string line; std::getline(readme, line);) {
        const std::string prefix = "    build/rhotool ";
        if (line.rfind(prefix, 0) != 0) continue;
        std::string arguments = line.substr(prefix.size());
        arguments = arguments.substr(0, arguments.find('#'));
        commands.push_back(arguments);
    }
    ASSERT_GE(commands.size(), 6u);  // generate, info, check, attach and both exports at least
    // The examples are run from the top of the source tree, where the sample set lives.
    std::filesystem::copy(std::string(RHO_SOURCE_DIR) + "/examples", dir / "examples");
    for (const std::string& arguments : commands) {
        const std::string command = "cd " + dir.path.string() + " && " + std::string(RHO_BINARY_DIR) + "/rhotool " +
                                    arguments + " >out 2>&1";
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << arguments << "\n" << slurp(dir / "out");
    }
}

TEST_F(RhotoolTest, ExportWritesEveryFormat) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}, {200, 100, kSmallShape, 3, -7}});
    const std::string file = dir / "tile.rho";
    ASSERT_EQ(rhotool("export " + file + " " + dir / "t.ps").status, 0);
    EXPECT_EQ(slurp(dir / "t.ps").substr(0, 44), "%!\n%% RHO 2.0 generated PostScript document\n");

    ASSERT_EQ(rhotool("export " + file + " " + dir / "t.bmp").status, 0);
    EXPECT_EQ(static_cast<unsigned char>(slurp(dir / "t.bmp")[28]), 24u);  // bits per pixel
    const QImage bmp(QString::fromStdString(dir / "t.bmp"));
    EXPECT_EQ(bmp.size(), QSize(1000, 700));
    EXPECT_EQ(bmp.pixel(100, 100), qRgb(255, 0, 0));  // palette entry 4 at the large shape's centre

    ASSERT_EQ(rhotool("export " + file + " " + dir / "t.png" + " --zoom 2 --box 50 50 200 100").status, 0);
    const QImage png(QString::fromStdString(dir / "t.png"));
    EXPECT_EQ(png.size(), QSize(400, 200));
    EXPECT_EQ(png.pixel(100, 100), qRgb(255, 0, 0));  // world (100, 100) at zoom 2 from (50, 50)


    ASSERT_EQ(rhotool("export " + file + " " + dir / "t.svg" + " --box -10 0 400 300").status, 0);
    const std::string svg = slurp(dir / "t.svg");
    EXPECT_NE(svg.find("viewBox=\"-10.000000 0.000000 400.000000 300.000000\""), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ff0000\""), std::string::npos);
    const std::regex polygon("<polygon ");
    EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), polygon), std::sregex_iterator()), 3)
        << "two fills and the selected shape's hatch";
}

// Names in the folder, sorted: a temporary file left behind shows here.
std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A failed write (a write-protected file, or a disk that fills up, here a
// file-size limit of 512 bytes that would end rhotool with SIGXFSZ unless
// it ignores the signal) exits with 1 and the editor's messages, and leaves
// the previous file as it was.
TEST_F(RhotoolTest, FailedWritesKeepThePreviousFile) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}, {200, 100, kSmallShape, 3, -7}});
    std::signal(SIGXFSZ, SIG_DFL);  // what the tool inherits is not what it must rely on
    struct Case {
        std::string out, arguments, before, message;
    };
    const std::string tile = dir / "tile.rho", limit = "ulimit -f 1; ";
    const Case cases[] = {
        {"locked.png", "export " + tile + " " + dir / "locked.png", "", "Can not create file\nError writing file\n"},
        {"full.png", "export " + tile + " " + dir / "full.png", limit, "Error writing file\n"},
        {"full.bmp", "export " + tile + " " + dir / "full.bmp", limit, "Error writing file\n"},
        {"full.rho", "generate 10 " + dir / "full.rho", limit, "Error writing file\n"},
    };
    for (const Case& c : cases) std::ofstream(dir / c.out) << "previous";
    std::ofstream(dir / "err").flush();  // rhotool's messages land here
    std::filesystem::permissions(dir / "locked.png", std::filesystem::perms(0444));
    const auto before = entries(dir.path);
    for (const Case& c : cases) {
        const ToolRun r = rhotool(c.arguments, c.before);
        EXPECT_EQ(r.status, 1) << c.out;
        EXPECT_EQ(r.err, "rhotool: " + dir / c.out + ":\n" + c.message) << c.out;
        EXPECT_EQ(slurp(dir / c.out), "previous") << c.out;
    }
    EXPECT_EQ(entries(dir.path), before);
}

// A name that is not UTF-8 is written under its own bytes.
TEST_F(RhotoolTest, NamesThatAreNotUtf8KeepTheirBytes) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}});
    const std::vector<std::string> names = {"caf\xe9.png", "caf\xe9.bmp", "caf\xe9.svg", "caf\xe9.rho"};
    for (const std::string& name : names) {
        const ToolRun r = name.ends_with(".rho") ? rhotool("generate 5 '" + dir / name + "'")
                                                 : rhotool("export " + dir / "tile.rho" + " '" + dir / name + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        if (!name.ends_with(".rho")) {
            EXPECT_EQ(r.out, "exported " + dir / name + "\n");
        }
    }
    EXPECT_EQ(slurp(dir / names[0]).substr(0, 4), "\x89PNG");
    EXPECT_EQ(slurp(dir / names[1]).substr(0, 2), "BM");
    EXPECT_EQ(entries(dir.path), (std::vector<std::string>{names[1], names[0], names[3], names[2], "err", "tile.rho"}));
}

// A pipe whose writer starts late is read to its end.
TEST_F(RhotoolTest, ReadsATilingFromAPipe) {
    save("tile.rho", {{100, 100, kLargeShape, 0, 4}, {200, 100, kSmallShape, 3, -7}});
    const ToolRun direct = rhotool("info " + dir / "tile.rho");
    const ToolRun piped = rhotool("info /dev/stdin", "(sleep 0.3; cat " + dir / "tile.rho" + ") | ");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, direct.out);
    EXPECT_EQ(piped.out.substr(0, 9), "shapes:2 ");
}

}  // namespace
}  // namespace rho

// rhotool run as a user runs it: through the executable, on files the test makes.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "generate/Quasitiler.h"
#include "io/Export.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Placement.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct RhotoolTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("rhotool-test-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    ToolRun rhotool(const std::string& arguments) {
        const fs::path errFile = dir / "stderr.txt";
        const std::string command = std::string(RHO_BINARY_DIR) + "/rhotool " + arguments + " 2>" + errFile.string();
        ToolRun r;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return r;
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = slurp(errFile);
        return r;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Writes a tiling file with the editor's own writer.
    void writeFile(const std::string& name, const std::vector<TileShape>& shapes, bool withContour) {
        test::FakeShell shell;
        auto t = createTiling(shell);
        for (const TileShape& s : shapes) t->shapes[++t->shapeLast] = s;
        if (withContour) recalculateContour(*t, shell);
        ASSERT_TRUE(writeTiling(*t, shell, path(name)));
    }
};

TEST_F(RhotoolTest, UsageAndBadArguments) {
    const ToolRun help = rhotool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: rhotool"), std::string::npos);
    for (const std::string& bad : {std::string(""), std::string("frobnicate"), std::string("info"),
                                   "attach " + path("a.rho") + " medium 0 0 0", std::string("export x.rho out.gif")}) {
        const ToolRun r = rhotool(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("usage: rhotool"), std::string::npos) << bad;
    }
    const ToolRun radius = rhotool("generate 51 " + path("g.rho"));
    EXPECT_EQ(radius.status, 2);
    EXPECT_NE(radius.err.find("An integer number is required between 5 and 50"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "g.rho"));

    std::ofstream(dir / "broken.rho") << "960905\n3\n1.0 2.0 1 0 1\n";
    const ToolRun broken = rhotool("info " + path("broken.rho"));
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("Error reading file"), std::string::npos);
}

TEST_F(RhotoolTest, GenerateWritesWhatTheQuasitilerCommandMakes) {
    const ToolRun r = rhotool("generate 10 " + path("r10.rho"));
    ASSERT_EQ(r.status, 0) << r.err;
    test::FakeShell shell;
    auto t = createTiling(shell);
    runQuasitiler(*t, shell, 10);
    EXPECT_EQ(slurp(dir / "r10.rho"), tilingText(*t));

    const ToolRun info = rhotool("info " + path("r10.rho"));
    ASSERT_EQ(info.status, 0);
    int large = 0;
    for (int i = 0; i <= t->shapeLast; ++i) large += t->shapes[i].kind == kLargeShape;
    std::ostringstream expected;
    expected << "shapes:277 contour:" << t->contourCount() << "\nlarge: " << large << "\nsmall: " << 277 - large
             << "\nselected: 0\n";
    EXPECT_EQ(info.out.substr(0, expected.str().size()), expected.str());
    EXPECT_TRUE(std::regex_search(info.out, std::regex("bounding box: -[0-9.]+ -[0-9.]+ [0-9.]+ [0-9.]+\n")));

    const ToolRun check = rhotool("check " + path("r10.rho"));
    EXPECT_EQ(check.status, 0) << check.out;
}

TEST_F(RhotoolTest, CheckReportsStaleContoursAndOverlaps) {
    writeFile("pair.rho", {{0, 0, kLargeShape, 0, 1}, {38.042261, 12.360680, kLargeShape, 5, 1}}, true);
    EXPECT_EQ(rhotool("check " + path("pair.rho")).status, 0);

    // A contour stored without its last point.
    std::string text = slurp(dir / "pair.rho");
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines[4], "5");
    lines[4] = "4";
    lines.pop_back();
    std::ofstream out(dir / "stale.rho");
    for (const auto& l : lines) out << l << "\n";
    out.close();
    const ToolRun stale = rhotool("check " + path("stale.rho"));
    EXPECT_EQ(stale.status, 1);
    EXPECT_NE(stale.out.find("recalculated only:"), std::string::npos) << stale.out;

    writeFile("overlap.rho", {{0, 0, kLargeShape, 0, 1}, {1, 1, kLargeShape, 0, 1}}, false);
    const ToolRun overlap = rhotool("check " + path("overlap.rho"));
    EXPECT_EQ(overlap.status, 1);
    EXPECT_NE(overlap.out.find("refused shape 1"), std::string::npos) << overlap.out;
}

TEST_F(RhotoolTest, AttachSnapsLikeTheEditToolAndSavesOnlyOnSuccess) {
    writeFile("one.rho", {{0, 0, kLargeShape, 0, 1}}, true);
    const std::string before = slurp(dir / "one.rho");
    const ToolRun attached = rhotool("attach " + path("one.rho") + " large 40 15 5 -o " + path("two.rho"));
    ASSERT_EQ(attached.status, 0) << attached.err;
    // The same attach in the editor after opening the same file (whose contour
    // points carry six decimals, so the snapped centre may differ in the last one).
    test::FakeShell shell;
    auto t = createTiling(shell);
    ASSERT_TRUE(readTiling(*t, shell, path("one.rho")));
    t->floating = TileShape{40, 15, kLargeShape, 5, 1};
    t->adding = 1;
    ASSERT_TRUE(attachShape(*t, shell));
    char expected[96];
    std::snprintf(expected, sizeof expected, "attached 1 %.6f %.6f\n", t->shapes[1].x, t->shapes[1].y);
    EXPECT_EQ(attached.out, expected);
    EXPECT_NEAR(t->shapes[1].x, 38.042261, 2e-6);
    EXPECT_NEAR(t->shapes[1].y, 12.360680, 2e-6);
    EXPECT_EQ(slurp(dir / "one.rho"), before);
    const ToolRun info = rhotool("info " + path("two.rho"));
    EXPECT_EQ(info.out.substr(0, 21), "shapes:2 contour:6\nla");
    EXPECT_EQ(rhotool("check " + path("two.rho")).status, 0);

    // Far from every contour point: refused, nothing saved.
    const ToolRun refused = rhotool("attach " + path("one.rho") + " small 500 500 0");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "refused\n");
    EXPECT_EQ(slurp(dir / "one.rho"), before);
}

TEST_F(RhotoolTest, ExportWritesEveryFormat) {
    writeFile("tile.rho", {{100, 100, kLargeShape, 0, 4}, {200, 100, kSmallShape, 3, -7}}, true);
    ASSERT_EQ(rhotool("export " + path("tile.rho") + " " + path("t.ps")).status, 0);
    EXPECT_EQ(slurp(dir / "t.ps").substr(0, 44), "%!\n%% RHO 2.0 generated PostScript document\n");
    ASSERT_EQ(rhotool("export " + path("tile.rho") + " " + path("t.bmp")).status, 0);
    QImage bmp(QString::fromStdString(path("t.bmp")));
    EXPECT_EQ(bmp.size(), QSize(1000, 700));
    EXPECT_EQ(static_cast<unsigned char>(slurp(dir / "t.bmp")[28]), 24u);  // bits per pixel
    EXPECT_EQ(bmp.pixel(100, 100), qRgb(255, 0, 0));  // palette entry 4 at the large shape's centre

    const ToolRun png = rhotool("export " + path("tile.rho") + " " + path("t.png") + " --zoom 2 --box 50 50 200 100");
    ASSERT_EQ(png.status, 0) << png.err;
    QImage picture(QString::fromStdString(path("t.png")));
    EXPECT_EQ(picture.size(), QSize(400, 200));
    EXPECT_EQ(picture.pixel(100, 100), qRgb(255, 0, 0));  // world (100, 100) at zoom 2, box from (50, 50)

    const ToolRun huge = rhotool("export " + path("tile.rho") + " " + path("big.png") + " --zoom 100");
    EXPECT_EQ(huge.status, 1);
    EXPECT_NE(huge.err.find("Out of memory. Can not render bitmap."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "big.png"));

    ASSERT_EQ(rhotool("export " + path("tile.rho") + " " + path("t.svg") + " --box -10 0 400 300").status, 0);
    const std::string svg = slurp(dir / "t.svg");
    EXPECT_NE(svg.find("viewBox=\"-10.000000 0.000000 400.000000 300.000000\""), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ff0000\""), std::string::npos);
    EXPECT_NE(svg.find("fill=\"url(#hatch)\""), std::string::npos);
    const std::regex polygon("<polygon ");
    EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), polygon), std::sregex_iterator()), 3);
}

}  // namespace
}  // namespace rho

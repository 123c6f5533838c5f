// rhotool's decorated pictures: a set file, the display mode, antialiased
// lines, and set files it cannot use.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "edit/Creation.h"
#include "io/TilingFile.h"
#include "seteditor/SetFile.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct RhotoolSetTest : ::testing::Test {
    test::TempDir dir{"rhotool-set-test"};
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    std::string tiling = dir / "one.rho";
    std::string err;

    // One large shape at world (100, 100), palette entry 4 (red); a set
    // whose large drawing is one black line from (-10, 0) to (10, 0).
    void SetUp() override {
        t->shapes[++t->shapeLast] = TileShape{100, 100, kLargeShape, 0, 4};
        ASSERT_TRUE(writeTiling(*t, shell, tiling));
        SetDesign set;
        set.large.count = 1;
        SetObject& o = set.large.objects[0];
        o.points[0] = {-10, 0};
        o.points[1] = {10, 0};
        std::ofstream(dir / "line.rhs") << setFileText(set);
    }
    int rhotool(const std::string& arguments) {
        const std::string command =
            std::string(RHO_BINARY_DIR) + "/rhotool " + arguments + " >/dev/null 2>" + dir / "err";
        const int raw = std::system(command.c_str());
        err = test::slurp(dir / "err");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    QImage picture(const std::string& options) {
        EXPECT_EQ(rhotool("export " + tiling + " " + dir / "p.png --box 0 0 200 200 " + options), 0) << err;
        return QImage(QString::fromStdString(dir / "p.png"));
    }
};

TEST_F(RhotoolSetTest, DrawsTheDecorationInTheChosenDisplay) {
    const QRgb background = picture("").pixel(199, 199);
    EXPECT_EQ(picture("").pixel(100, 100), qRgb(255, 0, 0));  // default: shapes

    const QImage set = picture("--set " + dir / "line.rhs --display set");
    EXPECT_EQ(std::make_tuple(set.pixel(90, 100), set.pixel(110, 100), set.pixel(100, 90)),
              std::make_tuple(qRgb(0, 0, 0), qRgb(0, 0, 0), background));

    const QImage both = picture("--set " + dir / "line.rhs --display both");
    EXPECT_EQ(std::make_tuple(both.pixel(100, 100), both.pixel(80, 73)), std::make_tuple(qRgb(0, 0, 0), qRgb(0, 0, 255)));

    const QImage smooth = picture("--set " + dir / "line.rhs --display set --antialiased");
    EXPECT_EQ(std::make_tuple(smooth.pixel(100, 100), smooth.pixel(100, 101), smooth.pixel(199, 199)),
              std::make_tuple(qRgb(0, 0, 0), qRgb(200, 200, 200), qRgb(255, 255, 255)));
}

// Unlike the editor's windows, rhotool reads its set from a pipe.
TEST_F(RhotoolSetTest, ReadsTheSetFromAPipe) {
    const std::string command = "(sleep 0.2; cat " + dir / "line.rhs" + ") | " + RHO_BINARY_DIR + "/rhotool export " +
                                tiling + " " + dir / "p.png --box 0 0 200 200 --set /dev/stdin --display set";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage set(QString::fromStdString(dir / "p.png"));
    EXPECT_EQ(std::make_tuple(set.pixel(90, 100), set.pixel(110, 100)), std::make_tuple(qRgb(0, 0, 0), qRgb(0, 0, 0)));
}

TEST_F(RhotoolSetTest, RefusesSetFilesItCannotUseAndWritesNoPicture) {
    std::ofstream(dir / "magic.rhs") << "123457\n0 0\n";
    std::ofstream(dir / "body.rhs") << "123456\n1 0\n25 1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"magic.rhs", "not a set file"},
        {"body.rhs", "Error reading file"},
        {"none.rhs", "Can not open file"},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(rhotool("export " + tiling + " " + dir / "q.png --display set --set " + dir / name), 1) << name;
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_FALSE(std::filesystem::exists(dir / "q.png")) << name;
    }
    EXPECT_EQ(rhotool("export " + tiling + " " + dir / "q.png --display sets"), 2);
    // A PostScript document shows the plain shapes only.
    EXPECT_EQ(rhotool("export " + tiling + " " + dir / "q.ps --display set"), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "q.ps"));
}

// A set file without a display that shows it, or the display "set" without
// a set file, is a usage error, not a picture of plain shapes or a blank one.
TEST_F(RhotoolSetTest, SetAndDisplaySetNeedEachOther) {
    const std::string set = " --set " + dir / "line.rhs";
    const std::string needsDisplay = "rhotool: --set needs --display set or --display both\n";
    const std::string needsSet = "rhotool: --display set needs --set FILE.rhs\n";
    const std::pair<std::string, std::string> cases[] = {
        {"q.png" + set, needsDisplay},
        {"q.svg --display shape" + set, needsDisplay},
        {"q.bmp --display set", needsSet},
        {"q.ps" + set, "rhotool: a PostScript document shows the plain shapes: --set, --display set|both and "
                       "--antialiased are for .bmp, .png and .svg pictures\n"},
    };
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(rhotool("export " + tiling + " " + dir / arguments), 2) << arguments;
        EXPECT_EQ(err.substr(0, err.find("usage: rhotool")), message) << arguments;
        EXPECT_FALSE(std::filesystem::exists(dir / arguments.substr(0, arguments.find(' ')))) << arguments;
    }
}

// A set file over the reader's size limit is refused with the reason;
// one of exactly the limit (a short set padded with blanks) is read.
TEST_F(RhotoolSetTest, SaysWhenASetFileIsTooLarge) {
    const std::string padded = "123456\n0 1\n1 0\n0-0-0 0-0-0\n-10 0 10 0\n";
    std::ofstream(dir / "limit.rhs") << padded << std::string(kMaxSetFileBytes - padded.size(), ' ');
    EXPECT_EQ(rhotool("export " + tiling + " " + dir / "l.png --display set --set " + dir / "limit.rhs"), 0) << err;
    std::ofstream(dir / "over.rhs") << padded << std::string(kMaxSetFileBytes + 1 - padded.size(), ' ');
    EXPECT_EQ(rhotool("export " + tiling + " " + dir / "o.png --display set --set " + dir / "over.rhs"), 1);
    EXPECT_EQ(err, "rhotool: " + dir / "over.rhs" + ":\nError reading file\n"
                   "the file is larger than 4194304 bytes, the most a set file may hold\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "o.png"));
}

// A pentagram crosses itself: every surface fills its five points and leaves
// its centre empty. The SVG picture, drawn by rsvg-convert, agrees with the
// bitmap of the same box.
TEST_F(RhotoolSetTest, SvgFillsASelfCrossingPolygonLikeTheBitmap) {
    if (std::system("rsvg-convert --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
    SetDesign set;
    set.large.count = 1;
    SetObject& star = set.large.objects[0];
    star = SetObject{2, 4, 0x000000, 0x00ff00, {}};  // green inside, black boundary
    for (int k = 0; k < 5; ++k) {
        const double a = (-90.0 + 144.0 * k) * M_PI / 180.0;
        star.points[k] = {30 * std::cos(a), 30 * std::sin(a)};
    }
    std::ofstream(dir / "star.rhs") << setFileText(set);
    const QImage bitmap = picture("--set " + dir / "star.rhs --display set");
    ASSERT_EQ(rhotool("export " + tiling + " " + dir / "p.svg --box 0 0 200 200 --display set --set " +
                      dir / "star.rhs"),
              0)
        << err;
    EXPECT_NE(test::slurp(dir / "p.svg").find("fill=\"#00ff00\" fill-rule=\"evenodd\""), std::string::npos);
    const std::string convert = "rsvg-convert -w 200 -h 200 -o " + dir / "svg.png" + " " + dir / "p.svg";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const QImage drawn(QString::fromStdString(dir / "svg.png"));
    const QRgb background = bitmap.pixel(199, 199);
    // The centre, the top point and the lower left point of the star.
    EXPECT_EQ(std::make_tuple(bitmap.pixel(100, 100), bitmap.pixel(100, 80), bitmap.pixel(88, 116)),
              std::make_tuple(background, qRgb(0, 255, 0), qRgb(0, 255, 0)));
    EXPECT_EQ(std::make_tuple(drawn.pixel(100, 100), drawn.pixel(100, 80), drawn.pixel(88, 116)),
              std::make_tuple(bitmap.pixel(100, 100), bitmap.pixel(100, 80), bitmap.pixel(88, 116)));
}

}  // namespace
}  // namespace rho

// The tiling file (text, refusals, failed writes), the document commands
// built on it, and the drop target that hands dropped files to them.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "io/DocumentCommands.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"
#include "support/FileSizeLimit.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string slurp(const fs::path& p) {
    std::ostringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

const std::string kGood = "960905\n1\n0.000000 0.000000 1 0 1\n40.000000 0.000000 0 2 -5\n-1\n";

struct TilingFile : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    fs::path dir;
    std::string good;  // an accepted file of two shapes

    void SetUp() override {
        char name[] = "/tmp/rho-file-XXXXXX";
        dir = ::mkdtemp(name);
        good = dir / "good.rho";
        std::ofstream(good) << kGood;
    }
    void TearDown() override { fs::remove_all(dir); }

    void addShape(double x, double y, int kind = 1, int angle = 0, int color = 1) {
        t->shapes[++t->shapeLast] = TileShape{x, y, kind, angle, color};
    }
    void expectFile(const std::string& name, const std::string& shown, int modified, int untitled) {
        EXPECT_EQ(std::tie(t->fileName, shell.caption, t->modified, t->untitled),
                  std::make_tuple(name, "rho 2.0 " + shown, modified, untitled));
    }
    void choose(const std::string& path) { shell.fileChoices.push_back(FileChoice{path, 1}); }
    void drop(const std::string& path) {
        FileDropTarget target;
        target.OnDrop = [&](FileDropTarget& sender) { Dropper1Drop(*t, shell, sender); };
        target.drop({path});
    }
};

TEST_F(TilingFile, WritesTheTextAndReadsItBack) {
    addShape(0.0, 0.0);
    EXPECT_EQ(tilingText(*t), "960905\n0\n0.000000 0.000000 1 0 1\n-1\n");
    addShape(1.0 / 3.0, -12.5, 0, 3, -4);
    t->contour[++t->contourLast] = ContourVertex{{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0}, -19.02113, -26.18034};
    const std::string text = "960905\n1\n0.000000 0.000000 1 0 1\n0.333333 -12.500000 0 3 -4\n0\n"
                             "-19.021130 -26.180340 0 0 0 0 0 0 0 0 1 1 0 \n";
    EXPECT_EQ(tilingText(*t), text);
    ASSERT_TRUE(writeTiling(*t, shell, good));
    EXPECT_EQ(slurp(good), text);

    t->shapeLast = t->contourLast = -1;
    ASSERT_TRUE(readTiling(*t, shell, good));
    EXPECT_EQ(tilingText(*t), text);
    EXPECT_EQ(t->shapes[1].x, 0.333333);
    EXPECT_EQ(t->shapes[1].color, -4);  // selection kept
}

TEST(TilingFileNumbers, RealsMatchPrintf) {
    std::vector<double> values = {0.0,  -0.0,  0.5,   -0.5,      2.5,   -12.5, 1.0 / 3.0, -2.0 / 3.0, 0.0000005,
                                  -0.0000005, -1e-9, -4.9e-324, 1e15, -1e22, 1e300,     -DBL_MAX};
    for (int i = -1000000; i <= 1000000; i += 997) values.push_back(i / 2e6);  // ties at the sixth decimal
    char buf[kMaxRealLength], expected[400];
    for (double v : values) {
        std::snprintf(expected, sizeof expected, "%lf", v);
        ASSERT_EQ(std::string(buf, formatReal(buf, v)), expected) << v;
    }
}

TEST_F(TilingFile, DecimalCommaLocaleStillUsesPoints) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    addShape(1.0 / 3.0, -2.5);
    const bool written = writeTiling(*t, shell, good);
    const bool read = readTiling(*t, shell, good);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(written && read);
    EXPECT_EQ(slurp(good), "960905\n0\n0.333333 -2.500000 1 0 1\n-1\n");
    EXPECT_EQ(t->shapes[0].x, 0.333333);
}

TEST_F(TilingFile, RefusedFilesEmptyTheDocument) {
    const std::string shape = "0.000000 0.000000 1 0 1\r\n", head = "960905\n0\n" + shape;
    std::string shapes15000;
    for (int i = 0; i < 15000; ++i) shapes15000 += shape;
    // A full table is fine, and CR LF reads like LF.
    ASSERT_TRUE(readTilingText(*t, shell, "960905\r\n14999\r\n" + shapes15000 + "-1\r\n"));
    EXPECT_EQ(t->shapeLast, 14999);
    const std::string bad[] = {
        "960906\n0\n" + shape + "-1\n",                           // wrong version
        "960905\n15000\n" + shapes15000 + shape + "-1\n",         // more shapes than the table holds
        head + "12000\n",                                         // more contour points than it holds
        "960905\n-2\n-1\n", head + "-2\n",                        // counts below -1
        "960905\n1\n" + shape, head + "0\n1.0 2.0 0 0 0 0 0\n",  // cut short
        "960905\n0\n1.0x 0 1 0 1\n-1\n", "960905\n0\n0 0 1 0 abc\n-1\n",
        head + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 256 0\n", head + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 -1 0\n",
        "960905\n0\ninf 0 1 0 1\n-1\n", "960905\n0\n0 nan 1 0 1\n-1\n"};
    for (const std::string& text : bad) {
        addShape(1.0, 2.0);
        shell.messages.clear();
        EXPECT_FALSE(readTilingText(*t, shell, text)) << text.substr(0, 60);
        EXPECT_EQ(t->shapeLast, -1);
        EXPECT_EQ(t->contourLast, -1);
        EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"});
    }
}

TEST_F(TilingFile, FailedWritesAreReportedAndKeepThePreviousFile) {
    addShape(0.0, 0.0);
    EXPECT_FALSE(writeTiling(*t, shell, dir / "no-such-dir" / "a.rho"));
    EXPECT_EQ(shell.messageTexts(), (Texts{"Can not create file", "Error writing file"}));

    // The kernel refuses bytes past a file size limit: the write stops half-way.
    for (int i = 0; i < 500; ++i) addShape(i, i);
    shell.messages.clear();
    bool written = true;
    {
        test::FileSizeLimit limit(4096);
        written = writeTiling(*t, shell, good);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
    EXPECT_EQ(t->statusText, "saving file");
    EXPECT_EQ(slurp(good), kGood);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);  // no temporary left
}

TEST_F(TilingFile, NewAsksOnlyWhenModifiedOrNamed) {
    addShape(0.0, 0.0);
    new1Click(*t, shell);  // untitled and unchanged: nothing to ask
    EXPECT_TRUE(shell.messages.empty());
    t->modified = 1;
    shell.answers = {Answer::Yes};  // Yes: save first, so the command stops
    SpeedButton1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Do you want save current file?"});
    EXPECT_EQ(t->shapeLast, 0);

    setFileName(*t, good, shell);  // named, even unchanged: asks
    t->untitled = t->modified = 0;
    shell.answers = {Answer::No};
    new1Click(*t, shell);
    EXPECT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(t->shapeLast, -1);
    expectFile("untitled", "untitled", 0, 1);
}

TEST_F(TilingFile, OpenTakesOnlyAnAcceptedFile) {
    SpeedButton3Click(*t, shell);  // cancelled
    ASSERT_EQ(shell.dialogs.size(), 1u);
    const FileDialogRequest& r = shell.dialogs[0].request;
    EXPECT_EQ(r.title, "open file");
    EXPECT_EQ(r.filter, "penrose tiling(*.rho)|*.rho");
    EXPECT_EQ(r.defaultExt, "rho");
    EXPECT_TRUE(r.mustExist);

    choose(good);
    open1Click(*t, shell);
    EXPECT_EQ(t->shapes[1].color, -5);
    expectFile(good, good, 0, 0);

    const std::string bad = dir / "bad.rho";
    std::ofstream(bad) << "960905\n1\n";
    choose(bad);
    open1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"});
    expectFile(good, good, 0, 0);  // a later save cannot overwrite the refused file
}

TEST_F(TilingFile, SaveAndSaveAs) {
    save1Click(*t, shell);
    saveas1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), (Texts{"Nothing to save,", "Nothing to save,"}));

    addShape(0.0, 0.0);
    t->modified = 1;
    const std::string as = dir / "as.rho", saved = dir / "saved.rho";
    choose(as);
    saveas1Click(*t, shell);
    EXPECT_EQ(shell.dialogs.back().request.filter, "penrose tiling (*.rho)|*.rho");
    EXPECT_EQ(slurp(as), tilingText(*t));
    expectFile(as, as, 1, 1);

    choose(saved);
    SpeedButton2Click(*t, shell);  // still untitled: asks for a name
    const FileDialogRequest& r = shell.dialogs.back().request;
    EXPECT_EQ(r.title, "save tiling as");
    EXPECT_EQ(r.filter, "penrose tiling (*.rho)|*rho");
    EXPECT_EQ(r.defaultExt, "rho");
    EXPECT_EQ(slurp(saved), tilingText(*t));
    expectFile(saved, saved, 0, 0);

    t->fileName = (dir / "gone" / "a.rho").string();
    t->modified = 1;
    save1Click(*t, shell);
    EXPECT_EQ(shell.dialogs.size(), 2u);  // none for "Nothing to save," nor for a named save
    EXPECT_EQ(t->modified, 1);
}

TEST_F(TilingFile, DropOpensOnlyTheExtensionRho) {
    for (const char* name : {"tiling.old.rho", "tiling.RHO"}) {
        fs::copy_file(good, dir / name);
        drop(dir / name);
        EXPECT_EQ(t->shapeLast, -1) << name;
    }
    addShape(0.0, 0.0);
    t->modified = 1;
    shell.answers = {Answer::Yes};
    drop(good);
    EXPECT_EQ(shell.messageTexts(), Texts{"Do you want save current file?"});
    EXPECT_EQ(t->shapeLast, 0);
    shell.answers = {Answer::No};
    drop(good);
    expectFile(good, good, 0, 0);
    EXPECT_EQ(t->shapeLast, 1);
}

TEST(FileDrop, SplitsNameAndExtensionAndRefillsItsLists) {
    const char* cases[][3] = {{"/t/star.rho", "star.rho", "rho"}, {"/my.dir/a.b.rho", "a.b.rho", "b.rho"},
                              {"/t/README", "README", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(splitDroppedPath(c[0]).name, c[1]);
        EXPECT_EQ(splitDroppedPath(c[0]).extension, c[2]);
    }
    FileDropTarget target;
    int notified = 0;
    target.OnDrop = [&](FileDropTarget&) { ++notified; };
    const std::string longPath = "/" + std::string(150, 'd') + "/deep.name.rho";
    target.drop({"/a/one.rho", "/b/two", longPath});
    EXPECT_EQ(target.FileCount, 3);
    EXPECT_EQ(target.NameWithPath, (Texts{"/a/one.rho", "/b/two", longPath}));
    EXPECT_EQ(target.NameOnly, (Texts{"one.rho", "two", "deep.name.rho"}));
    EXPECT_EQ(target.Extension, (Texts{"rho", "", "name.rho"}));
    target.drop({"/c/three.rhs"});
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(target.FileCount, 1);
    EXPECT_EQ(target.NameOnly, Texts{"three.rhs"});
    EXPECT_EQ(target.Extension, Texts{"rhs"});
}

}  // namespace
}  // namespace rho

// The tiling file (text, refusals, failed writes), the document commands
// built on it, and the drop target that hands dropped files to them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "edit/Creation.h"
#include "io/DocumentCommands.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"
#include "support/FileSizeLimit.h"
#include "support/SilentFifo.h"
#include "support/TempDir.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

using test::slurp;

const std::string kGood = "960905\n1\n0.000000 0.000000 1 0 1\n40.000000 0.000000 0 2 -5\n-1\n";

struct TilingFile : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    test::TempDir dir{"rho-file"};
    std::string good = dir / "good.rho";  // an accepted file of two shapes
    FileDropTarget dropper;

    void SetUp() override {
        std::ofstream(good) << kGood;
        dropper.OnDrop = [this](FileDropTarget& sender) { Dropper1Drop(*t, shell, sender); };
    }

    void addShape(double x, double y) { t->shapes[++t->shapeLast] = TileShape{x, y, 1, 0, 1}; }
    void expectFile(const std::string& name, int modified, int untitled) {
        EXPECT_EQ(std::tie(t->fileName, shell.caption, t->modified, t->untitled),
                  std::make_tuple(name, "rho 2.0 " + name, modified, untitled));
    }
    void expectDialog(const char* title, const char* filter) {  // the last file dialog shown
        const auto& [save, r] = shell.dialogs.back();
        EXPECT_EQ(std::tie(r.title, r.filter, r.defaultExt, r.mustExist, r.confirmOverwrite),
                  std::tuple(title, filter, "rho", !save, save));
    }
};

TEST_F(TilingFile, WritesTheTextAndReadsItBack) {
    addShape(0.0, 0.0);
    EXPECT_EQ(tilingText(*t), "960905\n0\n0.000000 0.000000 1 0 1\n-1\n");
    t->shapes[++t->shapeLast] = TileShape{1.0 / 3.0, -12.5, 0, 3, -4};
    t->contour[++t->contourLast] = ContourVertex{{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0}, -19.02113, -26.18034};
    const std::string text = "960905\n1\n0.000000 0.000000 1 0 1\n0.333333 -12.500000 0 3 -4\n0\n"
                             "-19.021130 -26.180340 0 0 0 0 0 0 0 0 1 1 0 \n";
    ASSERT_TRUE(writeTiling(*t, shell, good));
    EXPECT_EQ(slurp(good), text);
    t->shapeLast = t->contourLast = -1;  // the read must fill them again
    ASSERT_TRUE(readTiling(*t, shell, good));
    EXPECT_EQ(tilingText(*t), text);  // the selected shape keeps its sign
    EXPECT_EQ(t->shapes[1].x, 0.333333);
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
    const bool ok = writeTiling(*t, shell, good) && readTiling(*t, shell, good);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(ok);
    EXPECT_EQ(slurp(good), "960905\n0\n0.333333 -2.500000 1 0 1\n-1\n");
    EXPECT_EQ(t->shapes[0].x, 0.333333);
}

TEST_F(TilingFile, RefusedFilesLeaveTheDocumentAsItWas) {
    const std::string shape = "0.000000 0.000000 1 0 1\r\n", head = "960905\n0\n" + shape;
    std::string shapes15000;
    for (int i = 0; i < 15000; ++i) shapes15000 += shape;
    // A full table is fine, and CR LF reads like LF.
    ASSERT_TRUE(readTilingText(*t, shell, "960905\r\n14999\r\n" + shapes15000 + "-1\r\n"));
    EXPECT_EQ(t->shapeLast, 14999);
    // The extremes of kind, angle and colour are accepted.
    ASSERT_TRUE(readTilingText(*t, shell, "960905\n1\n0 0 0 9 20\n0 0 1 0 -20\n-1\n \n"));
    EXPECT_EQ(tilingText(*t), "960905\n1\n0.000000 0.000000 0 9 20\n0.000000 0.000000 1 0 -20\n-1\n");
    // Wrong version; more shapes, then contour points, than the tables hold; counts below -1; cut short;
    // not numbers; sectors out of 0..255; reals that are not finite.
    const std::string bad[] = {
        "960906\n0\n" + shape + "-1\n", "960905\n15000\n" + shapes15000 + shape + "-1\n", head + "12000\n",
        "960905\n-2\n-1\n", head + "-2\n", "960905\n1\n" + shape, head + "0\n1.0 2.0 0 0 0 0 0\n",
        "960905\n0\n1.0x 0 1 0 1\n-1\n", "960905\n0\n0 0 1 0 abc\n-1\n", head + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 256 0\n",
        head + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 -1 0\n", "960905\n0\ninf 0 1 0 1\n-1\n", "960905\n0\n0 nan 1 0 1\n-1\n",
        // Kinds, angles and colours no tiling holds; text after the last record.
        "960905\n0\n0 0 2 0 1\n-1\n", "960905\n0\n0 0 -1 0 1\n-1\n", "960905\n0\n0 0 1 10 1\n-1\n",
        "960905\n0\n0 0 1 -1 1\n-1\n", "960905\n0\n0 0 1 0 0\n-1\n", "960905\n0\n0 0 1 0 21\n-1\n",
        "960905\n0\n0 0 1 0 -21\n-1\n", "960905\n0\n0 0 1 2147483647 1\n-1\n", head + "-1\nx\n", head + "-1\n-1\n"};
    t->shapeLast = -1;
    addShape(1.0, 2.0);
    t->contour[++t->contourLast] = ContourVertex{{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 3.0, 4.0};
    const std::string before = tilingText(*t);
    for (const std::string& text : bad) {
        shell.messages.clear();
        EXPECT_FALSE(readTilingText(*t, shell, text)) << text.substr(0, 60);
        EXPECT_EQ(tilingText(*t), before) << text.substr(0, 60);
        EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"});
    }
    shell.messages.clear();
    EXPECT_FALSE(readTiling(*t, shell, dir / "missing.rho"));
    EXPECT_EQ(shell.messageTexts(), (Texts{"Can not open file", "Error reading file"}));
    EXPECT_EQ(tilingText(*t), before);
}

TEST_F(TilingFile, FailedWriteKeepsThePreviousFile) {
    for (int i = 0; i < 500; ++i) addShape(i, i);
    // The kernel refuses bytes past the limit, so the write stops half-way. The
    // result is checked once the limit is lifted, so that test output is not cut.
    const bool written = [&] { test::FileSizeLimit limit(4096); return writeTiling(*t, shell, good); }();
    EXPECT_FALSE(written);
    EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
    EXPECT_EQ(t->statusText, "saving file");
    EXPECT_EQ(slurp(good), kGood);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 1);  // no temporary left
}

// The windows read regular files only: a named pipe whose writer stays
// silent, or any other pipe, is refused at once, through "open..." and a
// drop alike, and the document keeps its tables, name, caption and flag.
TEST_F(TilingFile, WindowsRefuseWhatIsNotARegularFile) {
    test::SilentFifo fifo(dir / "fifo.rho");
    ASSERT_TRUE(fifo.ready());
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    addShape(5.0, 6.0);
    setFileName(*t, good, shell);
    t->modified = 1;
    const std::string before = tilingText(*t);
    ::alarm(20);  // a reader that blocks ends the run instead of hanging it
    shell.answers = {Answer::No, Answer::Ok, Answer::No, Answer::Ok, Answer::No, Answer::Ok};
    shell.fileChoices = {FileChoice{fifo.path()}, FileChoice{"/proc/self/fd/" + std::to_string(ends[0])}};
    open1Click(*t, shell);
    open1Click(*t, shell);
    dropper.drop({fifo.path()});
    ::alarm(0);
    ::close(ends[0]);
    ::close(ends[1]);
    const std::string question = "Do you want save current file?", refused = "Error reading file";
    EXPECT_EQ(shell.messageTexts(), (Texts{question, refused, question, refused, question, refused}));
    EXPECT_EQ(tilingText(*t), before);
    expectFile(good, 1, 1);
}

// The command-line tool reads pipes: one whose writer is slow is read to
// its end, and a named pipe without a writer reads as an empty file at once.
TEST_F(TilingFile, ToolReadsPipesWithoutHanging) {
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ::alarm(20);  // a reader that blocks ends the run instead of hanging it
    EXPECT_FALSE(readTiling(*t, shell, fifo, FileSource::AnyStream));
    EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"});

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::close(ends[0]);
        ::usleep(300000);  // the reader is already waiting
        for (std::size_t i = 0; i < kGood.size(); ++i) {
            if (::write(ends[1], &kGood[i], 1) != 1) ::_exit(1);
            if (i == 10) ::usleep(100000);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    const bool read = readTiling(*t, shell, "/proc/self/fd/" + std::to_string(ends[0]), FileSource::AnyStream);
    ::close(ends[0]);
    ::waitpid(writer, nullptr, 0);
    ::alarm(0);
    EXPECT_TRUE(read);
    EXPECT_EQ(tilingText(*t), kGood);
}

TEST_F(TilingFile, NewAsksWhenModifiedOrNamedAndOpenTakesOnlyAnAcceptedFile) {
    addShape(0.0, 0.0);
    shell.answers = {Answer::Yes, Answer::No};  // Yes: save first, so the command stops
    new1Click(*t, shell);                       // untitled and unchanged: nothing to ask
    t->modified = 1;
    SpeedButton1Click(*t, shell);
    EXPECT_EQ(t->shapeLast, 0);
    setFileName(*t, good, shell);  // named, even unchanged: asks
    t->untitled = t->modified = 0;
    new1Click(*t, shell);
    EXPECT_EQ(t->shapeLast, -1);
    expectFile("untitled", 0, 1);

    SpeedButton3Click(*t, shell);  // cancelled
    expectDialog("open file", "penrose tiling(*.rho)|*.rho");
    const std::string bad = dir / "bad.rho";
    std::ofstream(bad) << "960905\n1\n";
    shell.fileChoices = {FileChoice{good}, FileChoice{bad}};
    open1Click(*t, shell);
    EXPECT_EQ(tilingText(*t), kGood);
    expectFile(good, 0, 0);
    open1Click(*t, shell);
    const std::string question = "Do you want save current file?";
    EXPECT_EQ(shell.messageTexts(), (Texts{question, question, "Error reading file"}));
    expectFile(good, 0, 0);  // a later save cannot overwrite the refused file
    EXPECT_EQ(tilingText(*t), kGood);
}

// A refused file opened or dropped over unsaved work changes nothing: the
// work, its name, caption and modified flag stay, so "save..." keeps it.
TEST_F(TilingFile, RefusedOpenOrDropKeepsTheUnsavedWork) {
    const std::string bad = dir / "bad.rho", kept = dir / "kept.rho";
    std::ofstream(bad) << "960905\n1\n";
    addShape(0.0, 0.0);
    addShape(40.0, 0.0);
    t->contour[++t->contourLast] = ContourVertex{{0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0}, 7.0, 8.0};
    setFileName(*t, kept, shell);
    t->untitled = 0;
    t->modified = 1;
    const std::string work = tilingText(*t);
    shell.answers = {Answer::No, Answer::Ok, Answer::No, Answer::Ok};
    shell.fileChoices = {FileChoice{bad}};
    open1Click(*t, shell);
    dropper.drop({bad});
    const std::string question = "Do you want save current file?", refused = "Error reading file";
    EXPECT_EQ(shell.messageTexts(), (Texts{question, refused, question, refused}));
    EXPECT_EQ(tilingText(*t), work);
    expectFile(kept, 1, 0);
    save1Click(*t, shell);
    EXPECT_EQ(slurp(kept), work);
    EXPECT_EQ(slurp(bad), "960905\n1\n");
}

TEST_F(TilingFile, SaveAndSaveAs) {
    save1Click(*t, shell);
    saveas1Click(*t, shell);
    addShape(0.0, 0.0);
    t->modified = 1;
    const std::string as = dir / "as.rho", saved = dir / "saved.rho";
    shell.fileChoices = {FileChoice{as}, FileChoice{saved}};
    saveas1Click(*t, shell);
    expectDialog("save tiling as", "penrose tiling (*.rho)|*.rho");
    EXPECT_EQ(slurp(as), tilingText(*t));
    expectFile(as, 1, 1);
    SpeedButton2Click(*t, shell);  // still untitled: asks for a name
    expectDialog("save tiling as", "penrose tiling (*.rho)|*rho");
    EXPECT_EQ(slurp(saved), tilingText(*t));
    expectFile(saved, 0, 0);
    EXPECT_EQ(shell.panels[2], "idle");  // the status panel after "saving file"
    t->fileName = dir / "gone/a.rho";
    t->modified = 1;
    save1Click(*t, shell);  // named: no dialog, and the failed write leaves the document modified
    EXPECT_EQ(std::pair(shell.dialogs.size(), t->modified), std::pair(std::size_t{2}, 1));
    EXPECT_EQ(shell.messageTexts(),
              (Texts{"Nothing to save,", "Nothing to save,", "Can not create file", "Error writing file"}));
}

// A "save as..." that cannot write keeps the name and caption of the file
// that holds the tiling, so a later "save..." goes where the user expects.
TEST_F(TilingFile, FailedSaveAsKeepsThePreviousNameAndCaption) {
    addShape(0.0, 0.0);
    const std::string named = dir / "named.rho";
    shell.fileChoices = {FileChoice{named}, FileChoice{dir / "gone/b.rho"}};
    saveas1Click(*t, shell);
    expectFile(named, 0, 1);
    t->modified = 1;
    saveas1Click(*t, shell);
    expectFile(named, 1, 1);
    EXPECT_EQ(shell.messageTexts(), (Texts{"Can not create file", "Error writing file"}));
    EXPECT_FALSE(fs::exists(dir / "gone"));
}

// Each drop refills the lists; only the first file is opened, and only for
// the extension "rho", which starts after the first dot of the name.
TEST_F(TilingFile, DropSplitsPathsAndOpensOnlyTheExtensionRho) {
    for (const char* name : {"tiling.old.rho", "tiling.RHO"}) fs::copy_file(good, dir / name);
    const Texts paths = {dir / "tiling.old.rho", "/my.dir/a.b", "/t/README", "/" + std::string(150, 'd') + "/x.rho"};
    dropper.drop(paths);
    EXPECT_EQ(std::tie(dropper.FileCount, dropper.NameWithPath), std::tuple(4, paths));
    EXPECT_EQ(dropper.NameOnly, (Texts{"tiling.old.rho", "a.b", "README", "x.rho"}));
    EXPECT_EQ(dropper.Extension, (Texts{"old.rho", "b", "", "rho"}));
    dropper.drop({dir / "tiling.RHO"});
    EXPECT_EQ(std::tie(dropper.FileCount, dropper.NameOnly, dropper.Extension),
              std::tuple(1, Texts{"tiling.RHO"}, Texts{"RHO"}));
    EXPECT_EQ(t->shapeLast, -1);
    addShape(0.0, 0.0);
    t->modified = 1;
    shell.answers = {Answer::Yes, Answer::No};
    dropper.drop({good});
    EXPECT_EQ(t->shapeLast, 0);
    dropper.drop({good});
    EXPECT_EQ(shell.messageTexts(), Texts(2, "Do you want save current file?"));
    EXPECT_EQ(t->shapeLast, 1);
    expectFile(good, 0, 0);
}

}  // namespace
}  // namespace rho

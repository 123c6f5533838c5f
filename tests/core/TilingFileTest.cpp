#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "io/TilingFile.h"
#include "support/FakeShell.h"

namespace rho {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

std::string printfReal(double v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%lf", v);
    return buf;
}

struct TilingFileTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    fs::path dir;

    void SetUp() override {
        char name[] = "/tmp/rho-file-XXXXXX";
        dir = ::mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(dir); }

    void addShape(double x, double y, int kind, int angle, int color) {
        t->shapes[++t->shapeLast] = TileShape{x, y, kind, angle, color};
    }
    void addPoint(double x, double y, std::initializer_list<int> covered) {
        ContourVertex& v = t->contour[++t->contourLast];
        v = ContourVertex{};
        for (int k : covered) v.sectors[k] = 1;
        v.x = x;
        v.y = y;
    }
    // Three shapes (one selected) and two contour points.
    void fillSample() {
        addShape(0.0, 0.0, 1, 0, 1);
        addShape(1.0 / 3.0, -12.5, 0, 9, -7);
        addShape(-40.25, 1e6, 1, 4, 20);
        addPoint(-19.02113, -26.18034, {8, 9});
        addPoint(19.02113, 26.18034, {0, 1, 2});
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        return names;
    }
};

TEST(TilingFileNumbers, RealsAndIntegersMatchPrintf) {
    std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -12.5, 1.0 / 3.0, -2.0 / 3.0, 0.0000005,
                                  0.0000015, -0.0000005, -1e-9, 1e-300, -4.9e-324, 123456789.1234565,
                                  1e15, -1e22, 9007199254740993.0, 1e300, -DBL_MAX, DBL_MAX};
    std::mt19937_64 rng(960905);
    std::uniform_real_distribution<double> wide(-1e7, 1e7);
    std::uniform_int_distribution<int> halves(-2000000, 2000000);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(wide(rng));
        values.push_back(halves(rng) / 2e6);  // exact ties at the sixth decimal
    }
    char buf[kMaxRealLength];
    for (double v : values) ASSERT_EQ(std::string(buf, formatReal(buf, v)), printfReal(v)) << v;

    for (int v : {0, 7, -1, 960905, INT_MAX, INT_MIN}) {
        char ib[kMaxIntLength];
        EXPECT_EQ(std::string(ib, formatInt(ib, v)), std::to_string(v));
    }
}

TEST_F(TilingFileTest, WritesTheDocumentedText) {
    addShape(0.0, 0.0, 1, 0, 1);
    EXPECT_EQ(tilingText(*t), "960905\n0\n0.000000 0.000000 1 0 1\n-1\n");

    addShape(1.0 / 3.0, -12.5, 0, 3, -4);
    addPoint(-19.02113, -26.18034, {8, 9});
    EXPECT_EQ(tilingText(*t),
              "960905\n1\n0.000000 0.000000 1 0 1\n0.333333 -12.500000 0 3 -4\n0\n"
              "-19.021130 -26.180340 0 0 0 0 0 0 0 0 1 1 0 \n");
}

TEST_F(TilingFileTest, RoundTripThroughAFileKeepsEveryField) {
    fillSample();
    t->contour[1].sectors[10] = 200;  // the reserved byte travels too
    const std::string before = tilingText(*t);
    const fs::path file = dir / "a.rho";
    ASSERT_TRUE(writeTiling(*t, shell, file));
    EXPECT_EQ(slurp(file), before);
    EXPECT_EQ(files(), std::vector<std::string>{"a.rho"});  // no temporary left

    t->shapeLast = t->contourLast = -1;
    ASSERT_TRUE(readTiling(*t, shell, file));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(tilingText(*t), before);
    EXPECT_EQ(t->shapes[1].x, 0.333333);
    EXPECT_EQ(t->shapes[1].color, -7);
    EXPECT_EQ(t->contour[1].sectors[10], 200);
}

TEST_F(TilingFileTest, ReaderTakesAnyWhiteSpaceAndAPlusSign) {
    auto parsed = std::make_unique<TilingTables>();
    const std::string crlf = "960905\r\n0\r\n+1.5 -2.000000 1 0 -3\r\n0\r\n1 2 0 0 0 0 0 0 0 0 1 1 0 \r\n";
    const std::string loose = "  960905\t0 1.5\n\n-2 1 0 -3 0 1.0 2.0 0 0 0 0 0 0 0 0 1 1 0";
    for (const std::string& text : {crlf, loose}) {
        ASSERT_TRUE(parseTilingText(text, *parsed)) << text;
        EXPECT_EQ(parsed->shapes[0].x, 1.5);
        EXPECT_EQ(parsed->shapes[0].color, -3);
        EXPECT_EQ(parsed->contour[0].sectors[9], 1);
    }
}

TEST_F(TilingFileTest, FuzzSeedsAreValidFiles) {
    int seeds = 0;
    for (const auto& e : fs::directory_iterator(fs::path(RHO_SOURCE_DIR) / "fuzz" / "seeds")) {
        EXPECT_TRUE(readTiling(*t, shell, e.path())) << e.path();
        EXPECT_EQ(slurp(e.path()).find('\r') == std::string::npos, tilingText(*t) == slurp(e.path()));
        ++seeds;
    }
    EXPECT_GE(seeds, 3);
}

TEST_F(TilingFileTest, DecimalCommaLocaleWritesAndReadsPoints) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    addShape(1.0 / 3.0, -2.5, 1, 0, 1);
    const fs::path file = dir / "de.rho";
    const bool written = writeTiling(*t, shell, file);
    const bool read = readTiling(*t, shell, file);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(written && read);
    EXPECT_EQ(slurp(file), "960905\n0\n0.333333 -2.500000 1 0 1\n-1\n");
    EXPECT_EQ(t->shapes[0].x, 0.333333);
}

TEST_F(TilingFileTest, RefusesMalformedFilesAndEmptiesTheDocument) {
    const std::string shape = "0.000000 0.000000 1 0 1\n";
    const std::string point = "1.0 2.0 0 0 0 0 0 0 0 0 1 1 0 \n";
    std::string tooManyShapes = "960905\n15000\n";
    for (int i = 0; i <= 15000; ++i) tooManyShapes += shape;
    const std::vector<std::string> bad = {
        "", "hello", "960906\n0\n" + shape + "-1\n", "960905.0\n0\n" + shape + "-1\n",
        tooManyShapes + "-1\n", "960905\n-2\n-1\n", "960905\n0\n" + shape + "12000\n" + point,
        "960905\n0\n" + shape + "-3\n",
        "960905\n1\n" + shape,                                     // cut short in the shapes
        "960905\n0\n" + shape,                                     // no contour count
        "960905\n0\n" + shape + "0\n1.0 2.0 0 0 0 0 0\n",          // contour line cut short
        "960905\n0\n1.0x 0 1 0 1\n-1\n", "960905\n0\n0 0 1abc 0 1\n-1\n",
        "960905\n0\n0 0 1 0 99999999999\n-1\n",
        "960905\n0\n" + shape + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 256 0\n",
        "960905\n0\n" + shape + "0\n1.0 2.0 0 0 0 0 0 0 0 0 1 -1 0\n",
        "960905\n0\ninf 0 1 0 1\n-1\n", "960905\n0\n0 nan 1 0 1\n-1\n", "960905\n0\n1e999 0 1 0 1\n-1\n",
        "960905\n0\n" + shape + "-1\nextra\n", std::string("960905\n0\n0\0 0 1 0 1\n-1\n", 23)};
    std::string accepted = "960905\n14999\n";
    for (int i = 0; i < 15000; ++i) accepted += shape;
    ASSERT_TRUE(readTilingText(*t, shell, accepted + "-1\n"));  // the tables' own limit is fine
    EXPECT_EQ(t->shapeLast, 14999);

    for (const std::string& text : bad) {
        fillSample();
        shell.messages.clear();
        EXPECT_FALSE(readTilingText(*t, shell, text)) << text.substr(0, 80);
        EXPECT_EQ(t->shapeLast, -1);
        EXPECT_EQ(t->contourLast, -1);
        EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Error reading file"});
        EXPECT_EQ(shell.messages[0].buttons, Buttons::OkCancel);
        EXPECT_EQ(t->statusText, "idle");
        EXPECT_EQ(shell.panels[0], "shapes:0 contour:0");
    }
}

TEST_F(TilingFileTest, FilesThatCannotBeOpenedOrAreTooLarge) {
    for (const fs::path& p : {dir / "missing.rho", dir}) {
        fillSample();
        shell.messages.clear();
        EXPECT_FALSE(readTiling(*t, shell, p));
        EXPECT_EQ(shell.messageTexts(), (std::vector<std::string>{"Can not open file", "Error reading file"}));
        EXPECT_EQ(t->shapeLast, -1);
        EXPECT_EQ(t->statusText, "opening file");
    }
    const fs::path huge = dir / "huge.rho";
    spit(huge, "960905\n-1\n-1\n");
    fs::resize_file(huge, kMaxTilingFileBytes + 1);  // sparse: costs no disk
    const fs::path pipe = dir / "pipe.rho";          // nobody writes to it
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const fs::path& p : {huge, pipe}) {
        shell.messages.clear();
        EXPECT_FALSE(readTiling(*t, shell, p));
        EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Error reading file"});
    }
}

TEST_F(TilingFileTest, StatusAndProgressFollowTheTables) {
    fillSample();
    const fs::path file = dir / "p.rho";
    ASSERT_TRUE(writeTiling(*t, shell, file));
    EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{"saving file", "idle"}));
    EXPECT_EQ(shell.progressPositions, (std::vector<int>{0, 1, 2, 0, 1, 0}));
    EXPECT_EQ(shell.progressMax, 1);
    shell.statusHistory.clear();
    shell.progressPositions.clear();
    ASSERT_TRUE(readTiling(*t, shell, file));
    EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{"opening file", "idle"}));
    EXPECT_EQ(shell.progressPositions, (std::vector<int>{0, 1, 2, 0, 1, 0}));
}

TEST_F(TilingFileTest, FailedWritesAreReportedAndKeepThePreviousFile) {
    fillSample();
    EXPECT_FALSE(writeTiling(*t, shell, dir / "no-such-dir" / "a.rho"));
    EXPECT_EQ(shell.messageTexts(), (std::vector<std::string>{"Can not create file", "Error writing file"}));
    EXPECT_EQ(t->statusText, "saving file");

    // A write that stops half-way: the kernel refuses bytes past a file size limit.
    const fs::path file = dir / "keep.rho";
    spit(file, "previous contents");
    ::chmod(file.c_str(), 0640);
    for (int i = 0; i < 500; ++i) addShape(i, i, 0, 0, 1);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    shell.messages.clear();
    const bool written = writeTiling(*t, shell, file);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Error writing file"});
    EXPECT_EQ(t->statusText, "saving file");
    EXPECT_EQ(shell.progressPos, 0);
    EXPECT_EQ(slurp(file), "previous contents");
    EXPECT_EQ(files(), std::vector<std::string>{"keep.rho"});

    // A directory in the target's place cannot become the file.
    fs::create_directory(dir / "d.rho");
    shell.messages.clear();
    EXPECT_FALSE(writeTiling(*t, shell, dir / "d.rho"));
    EXPECT_EQ(shell.messageTexts(), (std::vector<std::string>{"Can not create file", "Error writing file"}));
    EXPECT_TRUE(fs::is_directory(dir / "d.rho"));

    // A successful save replaces the file and keeps its permissions.
    ASSERT_TRUE(writeTiling(*t, shell, file));
    EXPECT_EQ(slurp(file), tilingText(*t));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
}

}  // namespace
}  // namespace rho

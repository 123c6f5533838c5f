// The set file: its exact text, reading it back, and the files it refuses
// without touching the design.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "seteditor/SetFile.h"
#include "support/FakeShell.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

SetObject lineObject(double x0, double y0, double x1, double y1, uint32_t line, uint32_t fill) {
    SetObject o;
    o.objectKind = 0;
    o.lastPoint = 1;
    o.lineColor = line;
    o.fillColor = fill;
    o.points[0] = {x0, y0};
    o.points[1] = {x1, y1};
    return o;
}

// One black line in the small drawing on a white fill; the large one empty.
const std::string kOneLine = "123456\n1 0\n1 0\n255-255-255 0-0-0\n0.000000 0.000000 10.000000 0.000000 \n";

struct SetFile : ::testing::Test {
    test::FakeShell shell;
    test::TempDir dir{"rho-set"};
    SetDesign design;

    // A design that a refused file must leave alone: one polyline in the large drawing.
    void SetUp() override {
        design.large.count = 1;
        design.large.objects[0] = lineObject(1, 2, 3, 4, 0x0000ff, 0x00ff00);
        design.large.objects[0].objectKind = 1;
    }
    std::string file(const std::string& name, const std::string& text) {
        const std::string path = dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    void expectUnchanged() {
        EXPECT_EQ(std::tie(design.small.count, design.large.count), std::make_tuple(0, 1));
        EXPECT_EQ(setFileText(design), "123456\n0 1\n1 1\n0-255-0 255-0-0\n1.000000 2.000000 3.000000 4.000000 \n");
    }
};

TEST_F(SetFile, WritesTheExampleText) {
    SetDesign d;
    d.small.count = 1;
    d.small.objects[0] = lineObject(0, 0, 10, 0, 0x000000, 0xffffff);
    EXPECT_EQ(setFileText(d), kOneLine);
}

TEST_F(SetFile, PolygonOfTwentyPointsComesBackToSixDecimals) {
    SetDesign d;
    d.small.count = 1;
    SetObject& o = d.small.objects[0];
    o = SetObject{2, 19, 0x123456, 0xabcdef, {}};
    for (int k = 0; k < 20; ++k) o.points[k] = {k * 1.234567891 - 11.755705, -36.18034 + k / 3.0};
    const std::string path = dir / "round.rhs";
    ASSERT_TRUE(writeSet(d, path, shell));
    SetDesign back;
    ASSERT_TRUE(readSet(back, path, shell));
    const SetObject& b = back.small.objects[0];
    EXPECT_EQ(std::tie(back.small.count, back.large.count, b.objectKind, b.lastPoint, b.lineColor, b.fillColor),
              std::make_tuple(1, 0, 2, 19, 0x123456u, 0xabcdefu));
    for (int k = 0; k < 20; ++k) {
        EXPECT_NEAR(b.points[k].x, o.points[k].x, 5e-7) << k;
        EXPECT_NEAR(b.points[k].y, o.points[k].y, 5e-7) << k;
    }
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(SetFile, ReadsAnyWhiteSpaceAndColourBytes) {
    // One long line with tabs and CR LF; "4 2" is a five-point polygon;
    // colour values are reduced to their low byte (300 -> 44, -1 -> 255).
    const std::string text = "123456\r\n0 1\r\n4\t2 300-0-0   -1-+7-256\r\n"
                             "0 0 1 0 1 1 0 1 2.5e1 -0.5\r\n";
    ASSERT_TRUE(readSet(design, file("ws.rhs", text), shell));
    const SetObject& o = design.large.objects[0];
    EXPECT_EQ(std::tie(design.small.count, design.large.count, o.lastPoint, o.objectKind, o.fillColor, o.lineColor),
              std::make_tuple(0, 1, 4, 2, 44u, 0x0007ffu));
    EXPECT_EQ(std::tie(o.points[4].x, o.points[4].y), std::make_tuple(25.0, -0.5));
}

TEST_F(SetFile, EmptyCountsAreReadAndWrongHeadersRefusedSilently) {
    for (const char* text : {"123457\n0 0\n", "123456\n1\n", "", "123456\n1 x\n"}) {
        EXPECT_FALSE(readSet(design, file("head.rhs", text), shell)) << text;
        expectUnchanged();
    }
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_TRUE(readSet(design, file("empty.rhs", "123456\n0 0\n"), shell));
    EXPECT_EQ(std::tie(design.small.count, design.large.count), std::make_tuple(0, 0));
}

TEST_F(SetFile, MissingFileCannotBeOpened) {
    EXPECT_FALSE(readSet(design, dir / "none.rhs", shell));
    EXPECT_EQ(shell.messageTexts(), Texts{"Can not open file"});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::OkCancel);
    expectUnchanged();
}

TEST_F(SetFile, MalformedBodiesAreRefusedAndChangeNothing) {
    const std::string object = "1 0\n0-0-0 0-0-0\n0 0 1 1 \n";
    const std::string cases[] = {
        "123456\n51 0\n",                                     // count above 50
        "123456\n1 0\n20 1\n0-0-0 0-0-0\n",                   // lastPoint above 19
        "123456\n1 0\n-1 1\n0-0-0 0-0-0\n",                   // lastPoint below 0
        "123456\n1 0\n1 3\n0-0-0 0-0-0\n0 0 1 1\n",           // objectKind above 2
        "123456\n2 0\n" + object,                             // truncated: one object short
        "123456\n1 0\n1 0\n0-0-0 0-0-0\n0 0 1\n",             // truncated inside the points
        "123456\n1 0\n1 0\n0-0-0 0-0-0\n0 0 1 y\n",           // unparsable coordinate
        "123456\n1 0\n1 0\n0 0 0 0-0-0\n0 0 1 1\n",           // colour triple without hyphens
        "123456\n1 0\n1 0\n0-0-0 0-0-0\n0 0 inf 1\n",         // infinite coordinate
        "123456\n1 0\n1 0\n0-0-0 0-0-0\n0 0 1e999 1\n",       // out of range
    };
    for (const std::string& text : cases) {
        shell.messages.clear();
        EXPECT_FALSE(readSet(design, file("bad.rhs", text), shell)) << text;
        EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"}) << text;
        EXPECT_EQ(shell.messages.at(0).buttons, Buttons::OkCancel);
        expectUnchanged();
    }
}

TEST_F(SetFile, TextAfterTheCountedObjectsIsIgnored) {
    // A large drawing of two lines whose count was lowered by hand to 1: the
    // second line's block and any other text after it stay unread.
    const std::string text = "123456\n0 1\n1 0\n0-0-0 255-0-0\n1 2 3 4 \n1 0\n0-0-0 0-0-255\n5 6 7 8 \nnotes: x\n";
    ASSERT_TRUE(readSet(design, file("lowered.rhs", text), shell));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(setFileText(design), "123456\n0 1\n1 0\n0-0-0 255-0-0\n1.000000 2.000000 3.000000 4.000000 \n");
}

TEST_F(SetFile, FiftyObjectsInADrawingAreReadFiftyOneRefused) {
    const std::string object = "1 0\n0-0-0 0-0-0\n0 0 1 1 \n";
    std::string objects;
    for (int j = 0; j < 101; ++j) objects += object;
    ASSERT_TRUE(readSet(design, file("full.rhs", "123456\n50 50\n" + objects), shell));
    EXPECT_EQ(std::tie(design.small.count, design.large.count), std::make_tuple(50, 50));
    design = SetDesign{};
    SetUp();  // back to the design a refused file must leave alone
    for (const char* counts : {"51 0", "0 51", "51 50"}) {
        shell.messages.clear();
        EXPECT_FALSE(readSet(design, file("over.rhs", "123456\n" + std::string(counts) + "\n" + objects), shell))
            << counts;
        EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"}) << counts;
        expectUnchanged();
    }
}

TEST_F(SetFile, FailedWritesKeepThePreviousFile) {
    const std::string path = file("kept.rhs", "previous");
    SetDesign d;
    d.small.count = 1;
    d.small.objects[0] = lineObject(0, 0, 10, 0, 0, 0xffffff);

    EXPECT_FALSE(writeSet(d, dir / "no-such-dir/x.rhs", shell));
    EXPECT_EQ(shell.messageTexts(), Texts{"Can not create file"});

    // A disk that fills up half-way through the file.
    shell.messages.clear();
    const bool written = [&] { test::FileSizeLimit limit(10); return writeSet(d, path, shell); }();
    EXPECT_FALSE(written);
    EXPECT_TRUE(shell.messages.empty());  // the save command reports it
    EXPECT_EQ(test::slurp(path), "previous");

    // A full write replaces the file with exactly the set's text.
    shell.messages.clear();
    ASSERT_TRUE(writeSet(d, path, shell));
    EXPECT_EQ(test::slurp(path), kOneLine);
    EXPECT_TRUE(shell.messages.empty());
}

}  // namespace
}  // namespace rho

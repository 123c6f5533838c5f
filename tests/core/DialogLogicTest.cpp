// The bounding-box and printing options dialogs without windows, and the
// whole-number fields they share.
#include <gtest/gtest.h>

#include <tuple>

#include "edit/BoundingBoxDialog.h"
#include "edit/Creation.h"
#include "edit/DecimalText.h"
#include "io/PrintingOptionsDialog.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct DialogLogic : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 0.75});
    Tiling& t = *tiling;
};

TEST(DecimalText, UpDownStepsWithinItsRangeAndFieldsTruncate) {
    const std::tuple<const char*, int, int, const char*> steps[] = {
        {"9999", 1, -10000, "10000"}, {"10000", 1, -10000, "10000"}, {"-10000", -1, -10000, "-10000"},
        {"12abc", 1, -10000, "13"},   {"abc", 1, -10000, "-10000"},  {"0", -1, 0, "0"},
    };
    for (const auto& [text, delta, minimum, expected] : steps)
        EXPECT_EQ(stepDecimalText(text, delta, minimum, 10000), expected) << text << " " << delta;
    const std::pair<double, const char*> shown[] = {{1000.7, "1000"}, {-3.9, "-3"}, {1e12, "2147483647"}};
    for (const auto& [value, text] : shown) EXPECT_EQ(formatTruncated(value), text) << value;
}

// Each row: the four fields typed, then whether accept takes them. Numbers
// outside the up-down range are taken as typed; the box is only redrawn
// when it changed.
TEST_F(DialogLogic, BoundingBoxAcceptTakesFourIntegersOrShowsTheRangeMessage) {
    const struct {
        Texts fields;
        bool taken;
        BoundingBox box;
    } cases[] = {
        {{"10", "20", "300", "400"}, true, {10, 20, 300, 400}},  {{" 7", "+8", "3.5e2", "-10001"}, true, {7, 8, 3, -10001}},
        {{"x", "0", "0", "0"}, false, {5.5, 6.5, 7.5, 8.5}},     {{"1", "2", "3", "abc"}, false, {5.5, 6.5, 7.5, 8.5}},
        {{"1", "", "3", "4"}, false, {5.5, 6.5, 7.5, 8.5}},
    };
    for (const auto& c : cases) {
        t.box = BoundingBox{5.5, 6.5, 7.5, 8.5};
        test::FakeShell fresh;
        BoundingBoxDialog dialog(t, fresh);
        std::copy(c.fields.begin(), c.fields.end(), dialog.editText);
        dialog.Button2Click();
        EXPECT_EQ(std::tuple(t.box.x, t.box.y, t.box.w, t.box.h, dialog.closed, fresh.recording.count("rectangle")),
                  std::tuple(c.box.x, c.box.y, c.box.w, c.box.h, c.taken, c.taken ? 1 : 0))
            << c.fields[0] << "," << c.fields[1] << "," << c.fields[2] << "," << c.fields[3];
        ASSERT_EQ(fresh.messages.size(), c.taken ? 0u : 1u);
        if (!c.taken) {
            EXPECT_EQ(std::tuple(fresh.messages[0].text, fresh.messages[0].buttons),
                      std::tuple("Integer numbers between -10000 and 10000 are excepted", Buttons::OkCancel));
        }
    }
}

// The check box shows the ratio mode (disabled without a printer) and
// switches it at once, so cancelling keeps the mode but not the fields.
TEST_F(DialogLogic, RatioCheckBoxActsAtOnceAndCancelKeepsTheBox) {
    t.box = BoundingBox{-20.9, 35.2, 1000.7, 700.2};
    const std::tuple<int, bool, bool> shown[] = {{0, false, true}, {1, true, true}, {2, false, false}};
    for (const auto& [mode, checked, enabled] : shown) {
        t.ratioMode = mode;
        BoundingBoxDialog dialog(t, shell);
        EXPECT_EQ(std::tuple(Texts(dialog.editText, dialog.editText + 4), dialog.checkBoxChecked, dialog.checkBoxEnabled),
                  std::tuple(Texts{"-20", "35", "1000", "700"}, checked, enabled));
        dialog.CheckBox1Click(!checked);
        EXPECT_EQ(t.ratioMode, mode == 2 ? 2 : !checked) << mode;
        dialog.editText[2] = std::to_string(5);
        dialog.Button1Click();
        EXPECT_EQ(std::tuple(dialog.closed, t.box.w), std::tuple(true, 1000.7));
    }
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(DialogLogic, PrintingOptionsTakeWhatParsesAndCancelTakesNothing) {
    const struct {
        bool frame, color;
        const char *frameWidth, *shapeWidth;
        bool accept;
        std::vector<int> expected;  // print bounding box, print color, frame width, shape width
    } cases[] = {
        {false, true, "4", "7", true, {0, 1, 4, 7}},
        {true, false, "abc", "", true, {1, 0, 2, 3}},   // letters keep the widths in force
        {false, true, "-1", "0", true, {0, 1, -1, 0}},  // no range is enforced
        {false, true, "9", "9", false, {1, 0, 2, 3}},
    };
    for (const auto& c : cases) {
        std::tie(t.printBoundingBox, t.printColor, t.frameLineWidth, t.shapeLineWidth) = std::tuple(1, 0, 2, 3);
        PrintingOptionsDialog dialog(t);
        EXPECT_EQ(std::tuple(dialog.printBoundingBox, dialog.printColor, dialog.frameWidthText, dialog.shapeWidthText),
                  std::tuple(true, false, "2", "3"));
        std::tie(dialog.printBoundingBox, dialog.printColor) = std::pair(c.frame, c.color);
        std::tie(dialog.frameWidthText, dialog.shapeWidthText) = std::pair(c.frameWidth, c.shapeWidth);
        c.accept ? dialog.Button1Click() : dialog.Button2Click();
        EXPECT_EQ((std::vector<int>{t.printBoundingBox, t.printColor, t.frameLineWidth, t.shapeLineWidth}), c.expected)
            << c.frameWidth << "/" << c.shapeWidth << " " << c.accept;
        EXPECT_TRUE(dialog.closed);
    }
}

}  // namespace
}  // namespace rho

// The bounding-box and printing options dialogs without windows, and the
// whole-number fields they share.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

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

TEST(DecimalText, UpDownStepsWithinItsRangeWithoutWrapping) {
    const struct {
        const char* text;
        int delta, minimum, maximum;
        const char* expected;
    } cases[] = {
        {"9999", 1, -10000, 10000, "10000"},   {"10000", 1, -10000, 10000, "10000"},
        {"-10000", -1, -10000, 10000, "-10000"}, {"-5", 1, -10000, 10000, "-4"},
        {"12abc", 1, -10000, 10000, "13"},     {"abc", 1, -10000, 10000, "-10000"},
        {"0", -1, 0, 100, "0"},                {"2147483647", 1, 0, 100, "100"},
        {"25000", -1, -10000, 10000, "10000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepDecimalText(c.text, c.delta, c.minimum, c.maximum), c.expected) << c.text << " " << c.delta;
}

TEST(DecimalText, FieldsShowNumbersTruncatedTowardZero) {
    const std::pair<double, const char*> cases[] = {{1000.7, "1000"}, {-3.9, "-3"}, {-0.5, "0"},
                                                    {1e12, "2147483647"}, {-1e12, "-2147483648"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(formatTruncated(value), text) << value;
}

// The check box mirrors the ratio mode; the fields show the box truncated.
TEST_F(DialogLogic, BoundingBoxDialogOpensOnTheBoxAndTheRatioMode) {
    t.box = BoundingBox{-20.9, 35.2, 1000.7, 700.2};
    const struct {
        int ratioMode;
        bool checked, enabled;
    } cases[] = {{0, false, true}, {1, true, true}, {2, false, false}};
    for (const auto& c : cases) {
        t.ratioMode = c.ratioMode;
        BoundingBoxDialog dialog(t, shell);
        EXPECT_EQ(std::vector<std::string>(dialog.editText, dialog.editText + 4), (Texts{"-20", "35", "1000", "700"}));
        EXPECT_EQ(std::tuple(dialog.checkBoxChecked, dialog.checkBoxEnabled, dialog.closed),
                  std::tuple(c.checked, c.enabled, false))
            << c.ratioMode;
    }
    BoundingBoxDialog dialog(t, shell);
    dialog.Button2Click();  // accepted as shown
    EXPECT_EQ(std::tuple(t.box.x, t.box.y, t.box.w, t.box.h), std::tuple(-20.0, 35.0, 1000.0, 700.0));
}

TEST_F(DialogLogic, BoundingBoxAcceptTakesFourIntegersOrShowsTheRangeMessage) {
    const struct {
        Texts fields;
        bool taken;
        BoundingBox box;
    } cases[] = {
        {{"10", "20", "300", "400"}, true, {10, 20, 300, 400}},
        {{" 7", "+8", "12abc", "-10001"}, true, {7, 8, 12, -10001}},  // out of the up-down range: taken as typed
        {{"x", "0", "0", "0"}, false, {}},
        {{"1", "2", "3", "abc"}, false, {}},
        {{"1", "", "3", "4"}, false, {}},
        {{"1", "2", "3.5e2", "4.9"}, true, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        t.box = BoundingBox{5.5, 6.5, 7.5, 8.5};
        shell.messages.clear();
        shell.recording.calls.clear();
        BoundingBoxDialog dialog(t, shell);
        for (int i = 0; i < 4; ++i) dialog.editText[i] = c.fields[i];
        dialog.Button2Click();
        const BoundingBox want = c.taken ? c.box : BoundingBox{5.5, 6.5, 7.5, 8.5};
        EXPECT_EQ(std::tuple(t.box.x, t.box.y, t.box.w, t.box.h), std::tuple(want.x, want.y, want.w, want.h))
            << c.fields[0] << "," << c.fields[1] << "," << c.fields[2] << "," << c.fields[3];
        EXPECT_EQ(dialog.closed, c.taken);
        EXPECT_EQ(shell.recording.count("rectangle"), c.taken ? 1 : 0);  // the view is redrawn on accept only
        if (c.taken) {
            EXPECT_TRUE(shell.messages.empty());
        } else {
            ASSERT_EQ(shell.messages.size(), 1u);
            EXPECT_EQ(std::tuple(shell.messages[0].text, shell.messages[0].buttons),
                      std::tuple("Integer numbers between -10000 and 10000 are excepted", Buttons::OkCancel));
        }
    }
}

// The check box acts at once, so cancelling keeps its mode; the box itself
// only changes on accept.
TEST_F(DialogLogic, RatioCheckBoxSwitchesTheModeAndCancelKeepsTheBox) {
    t.box = BoundingBox{0, 0, 1000, 700};
    t.ratioMode = 0;
    BoundingBoxDialog dialog(t, shell);
    const std::pair<bool, int> clicks[] = {{true, 1}, {false, 0}, {true, 1}};
    for (const auto& [checked, mode] : clicks) {
        dialog.CheckBox1Click(checked);
        EXPECT_EQ(t.ratioMode, mode) << checked;
    }
    dialog.editText[2] = std::to_string(5);
    dialog.Button1Click();
    EXPECT_EQ(std::tuple(dialog.closed, t.ratioMode, t.box.w, t.box.h), std::tuple(true, 1, 1000.0, 700.0));
    EXPECT_TRUE(shell.messages.empty());

    t.ratioMode = 2;  // no printer: the box is disabled and the mode stays
    BoundingBoxDialog noPrinter(t, shell);
    noPrinter.CheckBox1Click(true);
    EXPECT_EQ(t.ratioMode, 2);
}

TEST_F(DialogLogic, PrintingOptionsTakeWhatParsesAndCancelTakesNothing) {
    const struct {
        bool frame, color;
        const char *frameWidth, *shapeWidth;
        bool accept;
        int expected[4];  // print bounding box, print color, frame width, shape width
    } cases[] = {
        {false, true, "4", "7", true, {0, 1, 4, 7}},
        {true, false, "abc", "", true, {1, 0, 2, 3}},  // letters keep the widths in force
        {false, true, "-1", "0", true, {0, 1, -1, 0}},  // no range is enforced
        {false, true, "9", "9", false, {1, 0, 2, 3}},
    };
    for (const auto& c : cases) {
        t.printBoundingBox = 1;
        t.printColor = 0;
        t.frameLineWidth = 2;
        t.shapeLineWidth = 3;
        PrintingOptionsDialog dialog(t);
        EXPECT_EQ(std::tuple(dialog.printBoundingBox, dialog.printColor, dialog.frameWidthText, dialog.shapeWidthText),
                  std::tuple(true, false, "2", "3"));
        dialog.printBoundingBox = c.frame;
        dialog.printColor = c.color;
        dialog.frameWidthText = c.frameWidth;
        dialog.shapeWidthText = c.shapeWidth;
        if (c.accept)
            dialog.Button1Click();
        else
            dialog.Button2Click();
        EXPECT_TRUE(dialog.closed);
        EXPECT_EQ(std::vector<int>({t.printBoundingBox, t.printColor, t.frameLineWidth, t.shapeLineWidth}),
                  std::vector<int>(c.expected, c.expected + 4))
            << c.frameWidth << "/" << c.shapeWidth;
    }
}

}  // namespace
}  // namespace rho

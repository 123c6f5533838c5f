// The quasitiler command end to end and the logic of its dialog.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <string>

#include "generate/Quasitiler.h"
#include "generate/QuasitilerDialog.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct QuasitilerRun : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    // Three hand-made shapes of colour 7 standing in for earlier work.
    void fillOldWork() {
        for (int i = 0; i < 3; ++i) t->shapes[i] = TileShape{100.0 * i, 0.0, 1, 0, 7};
        t->shapeLast = 2;
    }
};

TEST_F(QuasitilerRun, ScanReadsWhatPercentDReads) {
    const char* texts[] = {"10", "  42", "\t\n 7", "+5", "-3", "12abc", "0x20", "5.9", "007", "", "abc", "-", "+ 5", " "};
    for (const char* text : texts) {
        int expected = -1;
        const bool scanned = std::sscanf(text, "%d", &expected) == 1;
        int value = -1;
        EXPECT_EQ(scanDecimalInt(text, value), scanned) << '"' << text << '"';
        EXPECT_EQ(value, expected) << '"' << text << '"';
    }
    int value = 0;
    ASSERT_TRUE(scanDecimalInt("99999999999", value));
    EXPECT_EQ(value, INT_MAX);
    ASSERT_TRUE(scanDecimalInt("-99999999999", value));
    EXPECT_EQ(value, INT_MIN);
}

TEST_F(QuasitilerRun, DialogGeneratesOnlyForRadiiFiveToFifty) {
    fillOldWork();
    QuasitilerDialog dialog(*t, shell);
    EXPECT_EQ(dialog.editText, "10");
    for (const char* text : {"4", "51", "", "letters", "99999999999"}) {
        dialog.editText = text;
        dialog.Button1Click();
        EXPECT_FALSE(dialog.closed) << text;
    }
    ASSERT_EQ(shell.messages.size(), 5u);
    for (const auto& m : shell.messages) {
        EXPECT_EQ(m.text, "An integer number is required between 5 and 50");
        EXPECT_EQ(m.buttons, Buttons::Ok);
    }
    EXPECT_EQ(t->shapeCount(), 3);
    EXPECT_EQ(t->modified, 0);

    for (const char* text : {"50", " 5 rings"}) {
        QuasitilerDialog accepted(*t, shell);
        accepted.editText = text;
        accepted.Button1Click();
        EXPECT_TRUE(accepted.closed) << text;
    }
    EXPECT_EQ(t->shapeCount(), 30);

    QuasitilerDialog cancelled(*t, shell);
    cancelled.Button2Click();
    EXPECT_TRUE(cancelled.closed);
    EXPECT_EQ(t->shapeCount(), 30);
    EXPECT_EQ(shell.messages.size(), 5u);
}

TEST_F(QuasitilerRun, ReplacesTheTilingWithAnOrderedPatchAndItsContour) {
    fillOldWork();
    runQuasitiler(*t, shell, 10);

    EXPECT_EQ(t->shapeCount(), 277);
    EXPECT_EQ(t->modified, 1);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(shell.statusHistory.front(), "quaitiler works...");
    EXPECT_EQ(shell.statusHistory.back(), "idle");
    EXPECT_EQ(t->statusText, "idle");
    EXPECT_GE(shell.recording.count("rectangle"), 1);  // redrawn
    for (int i = 0; i <= t->shapeLast; ++i) {
        ASSERT_EQ(t->shapes[i].color, 1);
        if (i > 0) {
            ASSERT_LE(t->shapes[i - 1].y, t->shapes[i].y);  // ordered into rows
        }
    }
    EXPECT_GT(t->contourCount(), 0);

    // A radius the line table cannot hold leaves everything as it was.
    const std::size_t refreshes = shell.statusHistory.size();
    t->modified = 0;
    runQuasitiler(*t, shell, kQuasiMaxLines + 1);
    EXPECT_EQ(t->shapeCount(), 277);
    EXPECT_EQ(t->modified, 0);
    EXPECT_EQ(shell.statusHistory.size(), refreshes);

    // A radius past the dialog's range fills the shape table and stops there.
    runQuasitiler(*t, shell, 60);
    EXPECT_EQ(t->shapeCount(), kMaxShapes);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(QuasitilerRun, EveryDialogRadiusRecalculatesWithoutRefusal) {
    const auto start = std::chrono::steady_clock::now();
    for (int n = kQuasiMinRadius; n <= kQuasiMaxRadius; ++n) {
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        orderShapes(*t, shell);
        EXPECT_TRUE(recalculateContour(*t, shell)) << "radius " << n;
        for (int i = 0; i <= t->shapeLast; ++i) {
            const TileShape& s = t->shapes[i];
            ASSERT_TRUE(s.color == 1 && s.angle >= 0 && s.angle <= 4) << "radius " << n << " shape " << i;
        }
    }
    EXPECT_TRUE(shell.messages.empty());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
}

}  // namespace
}  // namespace rho

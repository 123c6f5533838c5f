// The rules menu in the real window: the penrose patch dialog typed into,
// deflation and composition of a real patch with their status and refusals.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "generate/Quasitiler.h"
#include "gui/MainWindowFixture.h"
#include "rules/PenrosePatch.h"

namespace rho::test {
namespace {

using Texts = std::vector<std::string>;
using RulesMenu = MainWindowFixture;

// Replaces the field's text as a user would: select all, type.
void typeInto(QLineEdit* edit, const char* text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

TEST_F(RulesMenu, PenrosePatchDialogTakesTypedRadiiOfFiveToFifty) {
    int shownAfterFour = -1;
    std::string firstText;
    ui.dialogActions.push_back([&](QDialog& d) {
        d.show();
        auto* edit = d.findChild<QLineEdit*>("Edit1");
        auto* doIt = d.findChild<QPushButton*>("Button1");
        firstText = edit->text().toStdString();
        typeInto(edit, "4");
        QTest::mouseClick(doIt, Qt::LeftButton);
        shownAfterFour = d.isVisible();
        typeInto(edit, "20");
        QTest::keyClick(edit, Qt::Key_Return);  // the default button
        return d.result();
    });
    trigger("penrose patch...");
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 - Penrose patch"});
    EXPECT_EQ(firstText, "10");
    EXPECT_EQ(ui.messages, Texts{"An integer number is required between 5 and 50"});
    EXPECT_EQ(shownAfterFour, 1);

    auto reference = std::make_unique<Tiling>();
    reference->largeTemplate = t.largeTemplate;
    reference->smallTemplate = t.smallTemplate;
    ASSERT_TRUE(generatePenrosePatch(*reference, 20));
    EXPECT_EQ(t.shapeCount(), reference->shapeCount());
    EXPECT_EQ(t.contourCount(), reference->contourCount());
    EXPECT_EQ(std::tuple(t.shapes[7].x, t.shapes[7].y, t.shapes[7].angle),
              std::tuple(reference->shapes[7].x, reference->shapes[7].y, reference->shapes[7].angle));
    EXPECT_EQ(panel(0), "shapes:" + std::to_string(t.shapeCount()) + " contour:" + std::to_string(t.contourCount()));
    EXPECT_EQ(std::tuple(panel(2), t.modified, window->progressBar()->value()), std::tuple("idle", 1, 0));

    // Cancel generates nothing.
    t.modified = 0;
    ui.dialogActions.push_back([](QDialog& d) {
        d.show();
        QTest::mouseClick(d.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        return d.result();
    });
    trigger("penrose patch...");
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified), std::tuple(reference->shapeCount(), 0));
}

TEST_F(RulesMenu, DeflateAndComposeARealPatchAndRefuseTheQuasitilers) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int patch = t.shapeCount();
    const double farthest = t.shapes[t.shapeLast].y;
    trigger("deflate");
    const int deflated = t.shapeCount();
    EXPECT_GT(deflated, 2 * patch);
    EXPECT_EQ(panel(2), "deflated: " + std::to_string(deflated) + " shapes");
    EXPECT_EQ(panel(0), "shapes:" + std::to_string(deflated) + " contour:" + std::to_string(t.contourCount()));
    EXPECT_EQ(t.modified, 1);
    EXPECT_TRUE(ui.messages.empty());
    // Scaled by the golden ratio around the origin.
    EXPECT_NEAR(t.shapes[t.shapeLast].y, farthest * 1.6180340, 40.0);

    trigger("compose");
    EXPECT_EQ(panel(2), "composed: " + std::to_string(patch) + " shapes");
    EXPECT_EQ(t.shapeCount(), patch);

    ASSERT_TRUE(generateQuasiTiling(t, 10));
    t.modified = 0;
    trigger("deflate");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("Can not deflate: ", 0), 0u) << ui.messages[0];
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified, panel(2)), std::tuple(277, 0, "idle"));
}

}  // namespace
}  // namespace rho::test

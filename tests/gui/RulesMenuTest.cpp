// The rules menu in the real window: the penrose patch dialog, each command's
// outcome, the check's real message box and the keep-rules attach refusal.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPaintEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/QtModalUi.h"
#include "edit/Selection.h"
#include "generate/Quasitiler.h"
#include "gui/MainWindowFixture.h"
#include "gui/ModalBoxDriver.h"
#include "render/View.h"
#include "rules/Check.h"
#include "rules/PenrosePatch.h"
#include "support/InteriorShape.h"
#include "support/PatchRules.h"

namespace rho::test {
namespace {

using Texts = std::vector<std::string>;
using RulesMenu = MainWindowFixture;

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
        firstText = edit->text().toStdString();
        typeInto(edit, "4");
        QTest::mouseClick(d.findChild<QPushButton*>("Button1"), Qt::LeftButton);
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
    EXPECT_EQ(std::tuple(t.shapeCount(), t.contourCount()), std::tuple(reference->shapeCount(), reference->contourCount()));
    EXPECT_EQ(std::tuple(panel(2), t.modified, window->progressBar()->value()), std::tuple("idle", 1, 0));
    t.modified = 0;
    ui.dialogActions.push_back([](QDialog& d) {
        d.show();
        QTest::mouseClick(d.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        return d.result();
    });
    trigger("penrose patch...");
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified), std::tuple(reference->shapeCount(), 0));
}

// Each command reached through its menu item, with its outcome in the window.
TEST_F(RulesMenu, CommandsOnRealPatchesShowTheirCounts) {
    ASSERT_TRUE(generateQuasiTiling(t, 10));
    trigger("orient shapes");
    EXPECT_EQ(panel(2).substr(panel(2).find(',')), ", arrow conflicts: " + std::to_string(readPatch(t).conflicts));
    t.modified = 0;
    trigger("deflate");
    EXPECT_EQ(ui.messages.at(0).rfind("Can not deflate: ", 0), 0u);
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified, panel(2)), std::tuple(277, 0, "idle"));

    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int whole = t.shapeCount();
    const std::vector<int> hole = shapesTouching(t, interiorThin(t));
    for (auto i = hole.rbegin(); i != hole.rend(); ++i) ASSERT_TRUE(deleteShape(t, window->shell(), *i));
    trigger("fill forced shapes");
    EXPECT_EQ(panel(2), "forced shapes: " + std::to_string(t.shapeCount() - whole + static_cast<int>(hole.size())) +
                            ", dead ends: 0");
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    trigger("deflate");
    EXPECT_GT(t.shapeCount(), 2 * whole);
    trigger("compose");
    EXPECT_EQ(std::tuple(panel(2), t.shapeCount(), t.modified),
              std::tuple("composed: " + std::to_string(whole) + " shapes", whole, 1));
}

// The floating small shape of "add small shape" turned by left clicks,
// dragged by its centre onto world (x, y) and attached by a right click.
void placeSmallShape(RulesMenu& f, int angle, double x, double y) {
    f.trigger("add small shape");
    for (int k = 0; k < angle; ++k) f.click(Qt::LeftButton, {560, 60});
    const Pixel from = worldToPixel(0.0, 0.0), to = worldToPixel(x, y);
    f.mouse(QEvent::MouseButtonPress, Qt::LeftButton, {from.x, from.y});
    f.moveTo({to.x, to.y});
    f.mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {to.x, to.y});
    f.click(Qt::RightButton, {10, 100});
}

TEST_F(RulesMenu, RightClickAttachBreakingTheRulesIsRefusedWhileTheyAreKept) {
    ASSERT_TRUE(generatePenrosePatch(t, 8));
    const int thin = interiorThin(t);
    const TileShape gone = t.shapes[thin];
    ASSERT_TRUE(deleteShape(t, window->shell(), thin));
    const int holed = t.shapeCount(), holedContour = t.contourCount();
    const int turned = (gone.angle + 5) % 10;

    trigger("keep matching rules");
    EXPECT_TRUE(window->menuItem("keep matching rules")->isChecked());
    placeSmallShape(*this, turned, gone.x, gone.y);
    EXPECT_EQ(std::tuple(panel(2), t.shapeCount(), t.contourCount(), t.adding),
              std::tuple("breaks the matching rules", holed, holedContour, 0));

    trigger("keep matching rules");
    EXPECT_FALSE(window->menuItem("keep matching rules")->isChecked());
    placeSmallShape(*this, turned, gone.x, gone.y);
    EXPECT_EQ(std::tuple(panel(2), t.shapeCount(), t.shapes[t.shapeLast].angle), std::tuple("idle", holed + 1, turned));
    EXPECT_NEAR(t.shapes[t.shapeLast].x, gone.x, 1e-9);
}

// Collects the region a widget was asked to paint.
struct PaintCounter : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The check on Qt's own message box, answered with the keyboard; deleting
// the selection it leaves removes exactly the offending shapes.
struct RulesCheckBox : ::testing::Test {
    QtModalUi ui;
    std::unique_ptr<TForm1> window = std::make_unique<TForm1>(ui);
    Tiling& t = window->tiling();
    ModalBoxDriver boxes;

    void SetUp() override { window->show(); QApplication::processEvents(); }
    void TearDown() override { t.modified = 0; }
    void trigger(const char* caption) { window->menuItem(caption)->trigger(); }
};

TEST_F(RulesCheckBox, CheckShowsTheCountsSelectsTheOffendersAndDeleteSelectedRemovesThem) {
    ASSERT_TRUE(generateQuasiTiling(t, 10));
    trigger("orient shapes");
    t.modified = 0;
    const RuleReport report = checkRules(t);
    ASSERT_GT(report.offendingShapes.size(), 0u);
    std::vector<TileShape> kept;
    for (int i = 0; i <= t.shapeLast; ++i)
        if (!std::binary_search(report.offendingShapes.begin(), report.offendingShapes.end(), i)) kept.push_back(t.shapes[i]);

    std::string title;
    QMessageBox::StandardButtons buttons;
    PaintCounter painted;
    QApplication::processEvents();
    window->view().installEventFilter(&painted);
    bool paintedBehindTheBox = false;
    boxes.actions.push_back([&](QMessageBox& box) {
        QApplication::processEvents();
        paintedBehindTheBox = painted.painted.contains(window->view().rect().center());
        title = box.windowTitle().toStdString();
        buttons = box.standardButtons();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    trigger("check matching rules");
    EXPECT_EQ(boxes.take(), (std::vector<std::string>{"arrow conflicts: " + std::to_string(report.arrowConflicts) +
                                                      "\nillegal vertices: " + std::to_string(report.illegalVertices) +
                                                      "\ndead ends: " + std::to_string(report.deadEnds)}));
    window->view().removeEventFilter(&painted);
    EXPECT_TRUE(paintedBehindTheBox);  // the selection shows while the box is open
    EXPECT_EQ(std::tuple(title, buttons), std::tuple("rho 2.0 ", QMessageBox::StandardButtons(QMessageBox::Ok)));
    EXPECT_EQ(std::tuple(t.modified, window->statusPanel(2)->text().toStdString()), std::tuple(0, "idle"));

    trigger("selected");
    ASSERT_EQ(std::tuple(t.shapeCount(), t.modified), std::tuple(static_cast<int>(kept.size()), 1));
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(std::tuple(t.shapes[i].x, t.shapes[i].y), std::tuple(kept[i].x, kept[i].y)) << i;
}

}  // namespace
}  // namespace rho::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "app/Dialogs.h"
#include "app/SetEditorWindow.h"
#include "seteditor/SetEditor.h"
#include "edit/Creation.h"
#include "support/FakeShell.h"
#include "gui/ScriptedModalUi.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

std::vector<TForm4*> openEditors() {
    std::vector<TForm4*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TForm4*>(w); f && f->isVisible()) found.push_back(f);
    return found;
}

QToolButton* buttonWithHint(QWidget* window, const QString& hint) {
    for (QToolButton* b : window->findChildren<QToolButton*>())
        if (b->toolTip() == hint) return b;
    return nullptr;
}

TEST(SetEditorWindowTest, PolygonDrawnWithTheMouseStandsInTheSetAfterTheEditorCloses) {
    test::FakeShell mainShell;
    auto t = createTiling(mainShell);
    test::ScriptedModalUi ui;
    seteditor1Click(*t, mainShell, ui, nullptr);
    seteditor1Click(*t, mainShell, ui, nullptr);  // brings the open one forward
    const auto editors = openEditors();
    ASSERT_EQ(editors.size(), 1u);
    TForm4* w = editors[0];
    EXPECT_EQ(t->editorOpen, 1);
    EXPECT_EQ(w->windowTitle(), "rho 2.0 - set editor - untitled");
    EXPECT_EQ(w->size(), QSize(467, 422));
    QApplication::processEvents();

    QTest::mouseClick(buttonWithHint(w, "snap to grid"), Qt::LeftButton);
    QTest::mouseClick(buttonWithHint(w, "add polygon"), Qt::LeftButton);
    ASSERT_TRUE(buttonWithHint(w, "add polygon")->isChecked());
    ASSERT_FALSE(buttonWithHint(w, "snap to grid")->isChecked());
    QWidget* area = w->drawingArea();
    const double W = area->width(), H = area->height();
    ASSERT_GT(W * H, 0);
    const double s = std::min(W / 80, H / 70);
    mainShell.recording.calls.clear();

    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(area, QPoint(150, 100));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(150, 150));
    QTest::mouseClick(area, Qt::RightButton, {}, QPoint(20, 20));
    const QList<QLabel*> panels = w->statusBar()->findChildren<QLabel*>();
    ASSERT_GE(panels.size(), 2);
    EXPECT_EQ(panels[0]->text(), "objects: 1");
    EXPECT_EQ(panels[1]->text(), "add polygons (right mouse : close polygon)");

    ui.answers = {Answer::Yes};
    w->close();
    EXPECT_TRUE(w->isVisible());  // Yes: the user wants to save first
    ui.answers = {Answer::No};
    w->close();
    QApplication::processEvents();
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, "Do you want save current set?"));
    EXPECT_TRUE(openEditors().empty());
    EXPECT_EQ(t->editorOpen, 0);

    ASSERT_EQ(t->set.small.count, 1);
    const SetObject& o = t->set.small.objects[0];
    EXPECT_EQ(std::tuple(o.objectKind, o.lastPoint), std::tuple(2, 2));
    const int px[3] = {100, 150, 150}, py[3] = {100, 100, 150};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(o.points[k].x, (py[k] - H / 2) / s, 1e-9) << k;
        EXPECT_NEAR(o.points[k].y, (W / 2 - px[k]) / s, 1e-9) << k;
    }
    EXPECT_GT(mainShell.recording.count("rectangle"), 0);  // the main view was redrawn

    seteditor1Click(*t, mainShell, ui, nullptr);  // a new editor shows the committed set
    ASSERT_EQ(openEditors().size(), 1u);
    EXPECT_EQ(openEditors()[0]->editor().workingDrawing.count, 1);
    openEditors()[0]->close();
    QApplication::processEvents();
}

}  // namespace
}  // namespace rho

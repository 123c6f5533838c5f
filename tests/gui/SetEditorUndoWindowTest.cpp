// Undo and redo in the set editor window: their place in the edit menu, when
// they are enabled, and their keys on a line drawn with the mouse.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "app/SetEditorWindow.h"
#include "edit/Creation.h"
#include "gui/ScriptedModalUi.h"
#include "seteditor/SetEditor.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct SetEditorUndoWindow : ::testing::Test {
    test::FakeShell mainShell;
    std::unique_ptr<Tiling> t = createTiling(mainShell);
    test::ScriptedModalUi ui;
    QWidget mainWindow;
    TForm4* w = nullptr;

    void SetUp() override {
        w = new TForm4(*t, mainShell, ui, &mainWindow);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void TearDown() override {
        ui.answers = {Answer::No};
        w->close();
        QApplication::processEvents();
    }
    QMenu* editMenu() const {
        for (QAction* a : w->menuBar()->actions())
            if (a->text() == "edit") return a->menu();
        return nullptr;
    }
    QAction* item(const char* caption) const {
        for (QAction* a : editMenu()->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    QString history() const { return w->findChild<QLabel*>("historyPanel")->text(); }
    std::pair<bool, bool> enabled() const { return {item("undo")->isEnabled(), item("redo")->isEnabled()}; }
    void key(int k, Qt::KeyboardModifiers mods) { QTest::keyClick(w, static_cast<Qt::Key>(k), mods); }
};

TEST_F(SetEditorUndoWindow, UndoAndRedoStandFirstInTheEditMenu) {
    QStringList outline;
    for (const QAction* a : editMenu()->actions()) outline << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(outline, (QStringList{"undo", "redo", "-", "edit small shape", "edit large shape", "-", "clear current shape",
                                    "clear all shapes", "-", "autosnap to grid", "shape transfer"}));
}

TEST_F(SetEditorUndoWindow, KeysUndoAndRedoALineDrawnWithTheMouse) {
    EXPECT_EQ(enabled(), std::pair(false, false));
    for (QToolButton* b : w->findChildren<QToolButton*>())
        if (b->toolTip() == "add line") QTest::mouseClick(b, Qt::LeftButton);
    QWidget* area = w->drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(area, QPoint(200, 150));
    EXPECT_EQ(enabled(), std::pair(true, false));  // Ctrl+Z would drop the rubber band
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(200, 150));
    ASSERT_EQ(t->set.small.count, 1);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(t->set.small.count, history(), enabled(), w->editor().modified),
              std::tuple(0, QString("undone: add line"), std::pair(false, true), false));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(t->set.small.count, history(), enabled()),
              std::tuple(1, QString("redone: add line"), std::pair(true, false)));
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(t->set.small.count, history(), w->editor().modified), std::tuple(1, QString("redone: add line"), true));

    // The large shape has a history of its own, empty so far.
    item("edit large shape")->trigger();
    EXPECT_EQ(enabled(), std::pair(false, false));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t->set.small.count, 1);
}

}  // namespace
}  // namespace rho

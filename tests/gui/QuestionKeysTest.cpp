#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "app/MainWindow.h"
#include "app/QtModalUi.h"
#include "app/SetEditorWindow.h"
#include "gui/ModalBoxDriver.h"
#include "io/WindowCommands.h"
#include "seteditor/SetEditor.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Strings = std::vector<std::string>;
using Dismiss = test::ModalBoxDriver::Action;

const std::pair<const char*, Dismiss> kDismissals[] = {
    {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
    {"close box", [](QMessageBox& box) { box.close(); }},
    {"rejected", [](QMessageBox& box) { box.reject(); }},
};

QAction* actionNamed(QWidget* window, const QString& caption) {
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == caption) return a;
    return nullptr;
}

void dropFile(QWidget* window, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

struct QuestionKeys : ::testing::Test {
    test::TempDir dir{"question-keys"};
    QtModalUi ui;
    std::unique_ptr<TForm1> window = std::make_unique<TForm1>(ui);
    Tiling& t = window->tiling();
    test::ModalBoxDriver boxes;

    void SetUp() override {
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        t.modified = 0;
        for (TForm4* editor : window->findChildren<TForm4*>()) editor->editor().modified = false;
    }
};

TEST_F(QuestionKeys, LeavingTheFileQuestionKeepsTheModifiedTilingInEveryCommand) {
    const std::string mine = dir / "mine.rho", other = dir / "other.rho";
    std::ofstream(mine) << "960905\n1\n0.000000 0.000000 1 0 1\n100.000000 0.000000 0 3 -4\n-1\n";
    std::ofstream(other) << "960905\n0\n5.000000 5.000000 0 1 2\n-1\n";
    ASSERT_TRUE(openStartupFile(t, window->shell(), mine));
    t.modified = 1;
    auto state = [&] {
        return std::tuple(t.shapeLast, t.shapes[1].x, t.shapes[1].color, t.contourLast, t.fileName, t.caption,
                          window->windowTitle().toStdString(), t.modified, t.untitled, window->isVisible());
    };
    const auto before = state();
    ASSERT_EQ(std::get<6>(before), "rho 2.0 " + mine);

    for (const auto& [how, dismiss] : kDismissals) {
        SCOPED_TRACE(how);
        boxes.actions = std::deque<Dismiss>(4, dismiss);
        EXPECT_FALSE(window->close());
        actionNamed(window.get(), "new")->trigger();
        actionNamed(window.get(), "open...")->trigger();
        dropFile(window.get(), other);
        EXPECT_EQ(boxes.take(), Strings(4, "Do you want save current file?"));
        EXPECT_EQ(state(), before);
    }
}

TEST_F(QuestionKeys, LeavingTheSetQuestionsKeepsTheSetAndItsDrawing) {
    actionNamed(window.get(), "set editor...")->trigger();
    const auto editors = window->findChildren<TForm4*>();
    ASSERT_EQ(editors.size(), 1);
    TForm4* editor = editors[0];
    QApplication::processEvents();
    for (QToolButton* b : editor->findChildren<QToolButton*>())
        if (b->toolTip() == "add line") b->click();
    QWidget* area = editor->drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(area, QPoint(160, 120));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(160, 120));
    SetEditor& e = editor->editor();
    ASSERT_TRUE(e.modified);
    ASSERT_EQ(e.workingDrawing.count, 1);
    const std::string other = dir / "other.rhs";
    std::filesystem::copy_file(std::string(RHO_SOURCE_DIR) + "/examples/diagonals.rhs", other);
    auto state = [&] {
        return std::tuple(e.workingDrawing.count, e.workingDrawing.objects[0].points[1].x, t.set.small.count,
                          t.set.large.count, e.fileName, editor->windowTitle().toStdString(), e.modified,
                          e.untitled, editor->isVisible());
    };
    const auto before = state();

    for (const auto& [how, dismiss] : kDismissals) {
        SCOPED_TRACE(how);
        boxes.actions = std::deque<Dismiss>(6, dismiss);
        EXPECT_FALSE(editor->close());
        actionNamed(editor, "new")->trigger();
        actionNamed(editor, "open...")->trigger();
        dropFile(editor, other);
        actionNamed(editor, "clear current shape")->trigger();
        actionNamed(editor, "clear all shapes")->trigger();
        Strings asked(4, "Do you want save current set?");
        asked.insert(asked.end(), {"Do you really want clear this shape?", "Do you really want clear all?"});
        EXPECT_EQ(boxes.take(), asked);
        EXPECT_EQ(state(), before);
    }
}

}  // namespace
}  // namespace rho

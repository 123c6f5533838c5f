#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/QtModalUi.h"
#include "app/SetEditorWindow.h"
#include "app/Startup.h"
#include "gui/MainWindowFixture.h"
#include "gui/ModalBoxDriver.h"
#include "seteditor/SetEditor.h"

namespace rho {
namespace {

using Strings = std::vector<std::string>;

struct Closing : test::MainWindowFixture {};

TEST_F(Closing, ThePaletteIsHiddenWithTheWindowAndStaysWhileTheWindowStays) {
    int closed = 0;
    window->onClosed = [&closed] { ++closed; };
    ASSERT_TRUE(window->toolPalette().isVisible());
    t.modified = 1;
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->toolPalette().isVisible());
    ui.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->toolPalette().isVisible());
    EXPECT_EQ(closed, 1);
}

TEST(ClosingTheEditor, QuitWithAnUnsavedSetAsksOnceKeepsBothWindowsOnYesAndEndsOnNo) {
    QtModalUi ui;
    TForm1 window(ui);
    prepareWindow(window, {"rho"});
    window.show();
    window.menuItem("set editor...")->trigger();
    const auto editors = window.findChildren<TForm4*>();
    ASSERT_EQ(editors.size(), 1);
    QPointer<TForm4> editor = editors[0];
    QApplication::processEvents();
    for (QToolButton* b : editor->findChildren<QToolButton*>())
        if (b->toolTip() == "add line") b->click();
    QTest::mousePress(editor->drawingArea(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(editor->drawingArea(), QPoint(160, 120));
    QTest::mouseRelease(editor->drawingArea(), Qt::LeftButton, {}, QPoint(160, 120));
    ASSERT_TRUE(editor->editor().modified);
    window.tiling().modified = 1;

    test::ModalBoxDriver boxes;
    const auto yes = [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); };
    const auto no = [](QMessageBox& box) { box.button(QMessageBox::No)->click(); };
    QTimer::singleShot(0, &window, [&] {
        boxes.actions = {no, yes};  // both windows stay
        window.menuItem("quit")->trigger();
        EXPECT_EQ(std::tuple(window.isVisible(), editor->isVisible(), window.toolPalette().isVisible()),
                  std::tuple(true, true, true));
        EXPECT_EQ(boxes.take(), (Strings{"Do you want save current file?", "Do you want save current set?"}));
        boxes.actions = {no, no};
        window.menuItem("quit")->trigger();
    });
    // A loop still running here has lost its window: end it with a mark. The
    // timer dies with the window, so it cannot end a later test's event loop.
    QTimer::singleShot(3000, &window, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(boxes.take(), (Strings{"Do you want save current file?", "Do you want save current set?"}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(!editor || !editor->isVisible());
    EXPECT_EQ(window.tiling().editorOpen, 0);
    EXPECT_EQ(window.tiling().set.small.count, 1);  // the line was committed on closing
    window.tiling().modified = 0;
}

}  // namespace
}  // namespace rho

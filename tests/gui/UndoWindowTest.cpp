// Undo and redo in the real main window: the items enabled as the history
// allows, new, open and drops starting afresh, and the shortcuts.
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "gui/MainWindowFixture.h"
#include "io/TilingFile.h"
#include "support/TempDir.h"
#include "tiling/ShapeCorners.h"

namespace rho::test {
namespace {

struct UndoWindow : MainWindowFixture {
    TempDir dir{"mainwin-undo"};

    void SetUp() override {
        MainWindowFixture::SetUp();
        // Shortcuts reach the active window only.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::pair<bool, bool> items() const {
        return {window->menuItem("undo")->isEnabled(), window->menuItem("redo")->isEnabled()};
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers) { QTest::keyClick(window.get(), k, modifiers); }

    // A large shape floated by the menu and attached by a right click; the
    // second one is first dragged by its centre one edge along the first.
    void attachLargeShape() {
        trigger("add large shape");
        if (t.shapeLast >= 0) {
            computeCorners(t, t.shapes[0]);
            const double ex = t.cornerBuffer[1].x - t.cornerBuffer[0].x;
            const double ey = t.cornerBuffer[1].y - t.cornerBuffer[0].y;
            mouse(QEvent::MouseButtonPress, Qt::LeftButton, {291, 207});
            moveTo({static_cast<int>(291.5 + ex + 3), static_cast<int>(207.5 + ey - 2)});
            mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {0, 0});
        }
        click(Qt::RightButton, {10, 100});
    }

    void drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
};

using Items = std::pair<bool, bool>;

TEST_F(UndoWindow, ItemsAreEnabledWhileThereIsAStepToTakeBackOrForward) {
    EXPECT_EQ(items(), Items(false, false));
    trigger("add large shape");
    EXPECT_EQ(items(), Items(true, false)) << "the floating shape can be taken away";
    click(Qt::RightButton, {10, 100});
    ASSERT_EQ(panel(0), "shapes:1 contour:4");
    EXPECT_EQ(items(), Items(true, false));

    trigger("undo");
    EXPECT_EQ(std::tuple(panel(0), items()), std::tuple("shapes:0 contour:0", Items(false, true)));
    trigger("redo");
    EXPECT_EQ(std::tuple(panel(0), items()), std::tuple("shapes:1 contour:4", Items(true, false)));

    // "new" starts a fresh history.
    attachLargeShape();
    trigger("undo");
    ASSERT_EQ(items(), Items(true, true));
    ui.answers.push_back(Answer::No);
    trigger("new");
    EXPECT_EQ(t.shapeLast, -1);
    EXPECT_EQ(items(), Items(false, false));
}

TEST_F(UndoWindow, OpenAndDropStartAFreshHistory) {
    const std::string path = dir / "one.rho";
    attachLargeShape();
    ui.saveChoices.push_back(FileChoice{path, 1});
    trigger("save...");
    attachLargeShape();
    ASSERT_EQ(t.shapeLast, 1);
    trigger("undo");
    EXPECT_EQ(items(), Items(true, true));
    ui.answers.push_back(Answer::No);
    ui.openChoices.push_back(FileChoice{path, 1});
    trigger("open...");
    EXPECT_EQ(t.shapeLast, 0);
    EXPECT_EQ(items(), Items(false, false));

    chooseTool("erase");
    click(Qt::LeftButton, {291, 207});
    ASSERT_EQ(items(), Items(true, false));
    ui.answers.push_back(Answer::No);
    drop(path);
    EXPECT_EQ(t.shapeLast, 0);
    EXPECT_EQ(items(), Items(false, false));
}

// Undoing to the opened state gives the file's bytes and clears the flag.
TEST_F(UndoWindow, ShortcutsTakeAnAttachBackAndForwardToTheOpenedState) {
    const std::string path = dir / "start.rho";
    attachLargeShape();
    ui.saveChoices.push_back(FileChoice{path, 1});
    trigger("save...");
    trigger("new");
    ui.openChoices.push_back(FileChoice{path, 1});
    trigger("open...");
    const std::string opened = slurp(path);
    ASSERT_EQ(tilingText(t), opened);

    attachLargeShape();
    ASSERT_EQ(panel(0), "shapes:2 contour:6");
    const std::string attached = tilingText(t);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(tilingText(t), panel(2), t.modified, caption()),
              std::tuple(opened, "undone: attach", 0, "rho 2.0 " + path));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(tilingText(t), panel(2), t.modified), std::tuple(attached, "redone: attach", 1));
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);  // nothing left to redo: changes nothing
    EXPECT_EQ(std::tuple(tilingText(t), caption()), std::tuple(attached, "rho 2.0 " + path));
}

}  // namespace
}  // namespace rho::test

// Undo and redo in the real main window: the "edit" menu's items enabled
// as the history allows after menu commands, clicks, new, open and drops;
// their shortcuts; the status line; and the modified flag following the
// history back to the file that was opened.
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

    // Whether "undo" and "redo" are enabled.
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
    click(Qt::LeftButton, {100, 100});  // turns it
    click(Qt::RightButton, {400, 300});
    ASSERT_EQ(panel(0), "shapes:1 contour:4");
    EXPECT_EQ(items(), Items(true, false));

    trigger("undo");
    EXPECT_EQ(std::tuple(panel(0), panel(2)), std::tuple("shapes:0 contour:0", "undone: attach"));
    EXPECT_EQ(items(), Items(false, true));
    trigger("redo");
    EXPECT_EQ(std::tuple(panel(0), panel(2)), std::tuple("shapes:1 contour:4", "redone: attach"));
    EXPECT_EQ(t.shapes[0].angle, 1);
    EXPECT_EQ(items(), Items(true, false));

    // Undo first takes a floating shape away and leaves the attach standing.
    trigger("add small shape");
    trigger("undo");
    EXPECT_EQ(std::tuple(t.adding, t.shapeLast), std::tuple(0, 0));
    EXPECT_EQ(items(), Items(true, false));
    trigger("undo");
    EXPECT_EQ(items(), Items(false, true));

    // "new" starts a fresh history.
    trigger("redo");
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
    ASSERT_EQ(t.shapeLast, -1);
    EXPECT_EQ(items(), Items(true, false));
    ui.answers.push_back(Answer::No);
    drop(path);
    EXPECT_EQ(t.shapeLast, 0);
    EXPECT_EQ(items(), Items(false, false));
}

// An opened tiling extended by clicks, then taken back and forth with the
// keys: undoing to the opened state gives the file's bytes and clears the
// modified flag; the caption keeps the file's name throughout.
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
    EXPECT_EQ(t.modified, 1);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tilingText(t), opened);
    EXPECT_EQ(std::tuple(panel(0), panel(2)), std::tuple("shapes:1 contour:4", "undone: attach"));
    EXPECT_EQ(t.modified, 0);
    EXPECT_EQ(caption(), "rho 2.0 " + path);
    EXPECT_EQ(items(), Items(false, true));

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tilingText(t), attached);
    EXPECT_EQ(std::tuple(panel(0), panel(2)), std::tuple("shapes:2 contour:6", "redone: attach"));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(items(), Items(true, false));

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.shapeLast, 0);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(tilingText(t), attached);
    EXPECT_EQ(caption(), "rho 2.0 " + path);
    // Nothing left to redo: the key changes nothing.
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(tilingText(t), panel(2)), std::tuple(attached, "redone: attach"));
}

}  // namespace
}  // namespace rho::test

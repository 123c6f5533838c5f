#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>
#include <QToolButton>
#include <QUrl>
#include <fstream>

#include "app/QtModalUi.h"
#include "app/ToolPalette.h"
#include "gui/MainWindowFixture.h"
#include "io/TilingFile.h"
#include "io/WindowCommands.h"
#include "support/TempDir.h"
#include "tiling/ShapeCorners.h"

namespace rho::test {
namespace {

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsWithTheCaptionLayoutAndStatusOfANewDocument) {
    EXPECT_EQ(caption(), "rho 2.0 untitled");
    EXPECT_EQ(window->view().size(), QSize(583, 415));
    EXPECT_EQ(t.halfWidth, 291.5);
    EXPECT_EQ(t.viewOriginY, 207.5);
    EXPECT_EQ(panel(0), "shapes:0  contour:0");
    EXPECT_EQ(panel(1), "tool: edit");
    EXPECT_EQ(panel(2), "Wellcome at infinity");
    // Side by side along the bottom, each at least 150 wide, panel 2 to the right edge.
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        const QLabel* label = window->statusPanel(i);
        const QRect at(label->mapTo(window->centralWidget(), QPoint(0, 0)), label->size());
        EXPECT_EQ(std::tuple(at.x(), at.y(), at.height()), std::tuple(x, 415 - 18, 18));
        EXPECT_GE(at.width(), 150);
        x += at.width();
        EXPECT_EQ(window->statusPanel(i)->accessibleName(), window->statusPanel(i)->text());
    }
    EXPECT_EQ(x, 583);
    const QProgressBar* bar = window->progressBar();
    EXPECT_EQ(bar->geometry(), QRect(0, 415 - 29, 583, 11));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_TRUE(window->toolPalette().isVisible());
    EXPECT_EQ(window->toolPalette().width(), 55);
    // The first picture: background with the black line along the top edge.
    EXPECT_EQ(window->view().buffer().pixelColor(100, 0), QColor(Qt::black));
    EXPECT_EQ(window->view().buffer().pixelColor(100, 100).rgb(), toQColor(t.palette[2]).rgb());
}

TEST_F(MainWindow, MenusHaveTheirCaptionsOrderSeparatorsAndStates) {
    const QStringList expected = {
        ">tile", "new", "open...", "save...", "save as...", "export tile...", "print setup...", "printing opties...",
        "print", "quit", "<", ">edit", "undo", "redo", "-", "add large shape", "add small shape", ">select", "small shapes", "large shapes",
        "inside bounding box", "visible shapes", "all shapes", "invert selection", "deselect all", "<", ">delete",
        "all", "selected", "<", ">colorize", "colorize all", "colorize selected", "by type", "by angle",
        "by full angle", "restore colors", "<", "<", ">view", "zoom in", "zoom out", "zoom to 1:1", ">zoom", "4:1",
        "3:1", "2:1", "-", "1:1", "-", "1:2", "1:3", "1:4", "<", "recentre", "redraw", "<", ">set", "set editor...",
        "display as set", "display as shape", "display as both", "antialiased lines", "<", ">tools",
        "display origin", "display bounding box", "set bounding box...", "quasitiler...", "order shapes",
        "recalculate contour", "preferences...", "about...", "<", ">rules", "orient shapes",
        "check matching rules", "fill forced shapes", "-", "deflate", "compose", "-", "penrose patch...", "-",
        "keep matching rules", "<"};
    EXPECT_EQ(window->menuOutline(), expected);
    // Only undo and redo carry shortcuts.
    for (const QString& item : expected) {
        if (item.startsWith('>') || item == "<" || item == "-" || item == "undo" || item == "redo") continue;
        EXPECT_TRUE(window->menuItem(item)->shortcut().isEmpty()) << item.toStdString();
    }
    EXPECT_EQ(window->menuItem("undo")->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
    EXPECT_EQ(window->menuItem("redo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_FALSE(window->menuItem("export tile...")->isEnabled());
    const bool printer = t.ratioMode != 2;
    EXPECT_EQ(window->menuItem("print setup...")->isEnabled(), printer);
    EXPECT_EQ(window->menuItem("print")->isEnabled(), printer);
    EXPECT_EQ(window->speedButton("print")->isEnabled(), printer);
    EXPECT_TRUE(window->menuItem("display as shape")->isChecked());
    EXPECT_FALSE(window->menuItem("display origin")->isChecked());
    EXPECT_TRUE(window->menuItem("keep matching rules")->isCheckable());
    EXPECT_FALSE(window->menuItem("keep matching rules")->isChecked());

    const char* hints[] = {"new tile", "open", "save", "print", "add large shape", "add small shape",
                           "display as shape", "display as set", "display as both", "set editor..."};
    int lastX = -1;
    for (const char* hint : hints) {
        const QToolButton* button = window->speedButton(hint);
        ASSERT_NE(button, nullptr) << hint;
        EXPECT_EQ(button->toolTip(), hint);
        EXPECT_EQ(button->accessibleName(), hint);
        EXPECT_GT(button->x(), lastX) << hint;
        EXPECT_LE(button->geometry().bottom(), 28);
        EXPECT_FALSE(button->isChecked()) << hint;
        lastX = button->x();
    }
}

TEST_F(MainWindow, ShellDrivesItemsButtonsPanelsAndTheProgressBar) {
    Shell& shell = window->shell();
    shell.setMenuEnabled("print", true);
    EXPECT_TRUE(window->menuItem("print")->isEnabled());
    EXPECT_TRUE(window->speedButton("print")->isEnabled());
    shell.setMenuEnabled("print", false);
    EXPECT_FALSE(window->menuItem("print")->isEnabled());
    EXPECT_FALSE(window->speedButton("print")->isEnabled());

    shell.setStatusPanels("shapes:3 contour:7", "tool: floodfill", "x=1 y=2  255 ; 0 ; 0");
    EXPECT_EQ(window->statusPanel(2)->accessibleName(), "x=1 y=2  255 ; 0 ; 0");
    EXPECT_EQ(panel(0), "shapes:3 contour:7");

    // 16-bit values: a range past 32767 is held at its end.
    shell.setProgressRange(0, 70000);
    shell.setProgressPosition(40000);
    EXPECT_EQ(window->progressBar()->maximum(), 32767);
    EXPECT_EQ(window->progressBar()->value(), 32767);
    shell.setProgressPosition(0);
    EXPECT_EQ(window->progressBar()->value(), 0);
}

TEST(QtModalUi, FiltersBecomeQtNameFiltersInOrder) {
    EXPECT_EQ(QtModalUi::nameFilters("penrose tiling (*.rho)|*rho"), QStringList{"penrose tiling (*.rho) (*rho)"});
    EXPECT_EQ(QtModalUi::nameFilters("PostScript|*.ps|bitmap|*.bmp"), (QStringList{"PostScript (*.ps)", "bitmap (*.bmp)"}));
}

TEST_F(MainWindow, DisplayTogglesFlipWithCheckMarksExceptUnderTheOrigoTool) {
    trigger("display origin");
    EXPECT_EQ(t.displayOrigin, 1);
    EXPECT_TRUE(window->menuItem("display origin")->isChecked());
    // The cross's vertical line runs through the origin's column from row 5.
    EXPECT_EQ(window->view().buffer().pixelColor(291, 100), QColor(Qt::black));
    t.tool = ToolMode::OrigoBoundingBox;
    t.displayBoundingBox = 0;
    trigger("display origin");
    trigger("display bounding box");
    EXPECT_EQ(t.displayOrigin, 1);
    EXPECT_EQ(t.displayBoundingBox, 0);
    EXPECT_TRUE(window->menuItem("display origin")->isChecked());
    EXPECT_FALSE(window->menuItem("display bounding box")->isChecked());
}

TEST_F(MainWindow, DisplayButtonsFormOneGroupWithTheMenuMarks) {
    window->speedButton("display as set")->click();
    EXPECT_TRUE(window->speedButton("display as set")->isChecked());
    EXPECT_TRUE(window->menuItem("display as set")->isChecked());
    EXPECT_FALSE(window->menuItem("display as shape")->isChecked());
    trigger("display as both");
    EXPECT_TRUE(window->speedButton("display as both")->isChecked());
    EXPECT_FALSE(window->speedButton("display as set")->isChecked());
    EXPECT_FALSE(window->speedButton("display as shape")->isChecked());
    EXPECT_EQ(t.decoration, 1);
    EXPECT_EQ(t.outline, 1);
}

TEST_F(MainWindow, ResizeKeepsTheBarsAcrossAndTheCentreInTheMiddle) {
    window->resize(window->width() + 100, window->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(window->view().size(), QSize(683, 455));
    EXPECT_EQ(window->progressBar()->geometry(), QRect(0, 455 - 29, 683, 11));
    EXPECT_EQ(window->statusPanel(2)->mapTo(window->centralWidget(), QPoint(0, 17)).y(), 454);
    EXPECT_EQ(t.viewOriginX, 341.5);
    EXPECT_EQ(t.viewOriginY, 227.5);
    EXPECT_EQ(window->view().buffer().size(), QSize(683, 455));
}

// The road of a user: two large shapes attached by hand, saved, a new
// document, the file opened again, one shape selected and deleted.
TEST_F(MainWindow, ShapesAttachedByHandSurviveSaveNewAndOpen) {
    TempDir dir("mainwin-road");
    trigger("add large shape");
    EXPECT_EQ(panel(2), "adding large shape");
    click(Qt::RightButton, {400, 300});
    EXPECT_EQ(panel(0), "shapes:1 contour:4");
    EXPECT_EQ(panel(2), "idle");

    // The second shape, dragged by its centre to one edge vector away,
    // snaps onto the first shape's corners.
    computeCorners(t, t.shapes[0]);
    const double ex = t.cornerBuffer[1].x - t.cornerBuffer[0].x;
    const double ey = t.cornerBuffer[1].y - t.cornerBuffer[0].y;
    trigger("add large shape");
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, {291, 207});
    moveTo({static_cast<int>(291.5 + ex + 3), static_cast<int>(207.5 + ey - 2)});
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {0, 0});
    EXPECT_EQ(t.captured, 0);
    click(Qt::RightButton, {10, 100});
    ASSERT_EQ(panel(0), "shapes:2 contour:6");
    EXPECT_NEAR(t.shapes[1].x, ex, 1e-9);
    EXPECT_NEAR(t.shapes[1].y, ey, 1e-9);
    EXPECT_EQ(t.modified, 1);

    const std::string path = dir / "road.rho";
    ui.saveChoices.push_back(FileChoice{path, 1});
    trigger("save...");
    EXPECT_EQ(caption(), "rho 2.0 " + path);
    const std::string saved = tilingText(t);
    EXPECT_EQ(slurp(path), saved);

    ui.answers.push_back(Answer::No);
    trigger("new");
    EXPECT_EQ(ui.messages.back(), "Do you want save current file?");
    EXPECT_EQ(panel(0), "shapes:0 contour:0");
    EXPECT_EQ(caption(), "rho 2.0 untitled");

    ui.openChoices.push_back(FileChoice{path, 1});
    window->speedButton("open")->click();
    EXPECT_EQ(tilingText(t), saved);
    EXPECT_EQ(caption(), "rho 2.0 " + path);
    EXPECT_EQ(t.modified, 0);

    chooseTool("select");
    EXPECT_EQ(panel(1), "tool: select shapes");
    click(Qt::LeftButton, {static_cast<int>(291.5 + ex), static_cast<int>(207.5 + ey)});
    EXPECT_EQ(t.shapes[1].color, -1);
    EXPECT_EQ(t.shapes[0].color, 1);
    trigger("selected");
    EXPECT_EQ(t.shapeLast, 0);
    EXPECT_EQ(t.contourLast, 3);
    EXPECT_EQ(t.modified, 1);
}

TEST_F(MainWindow, ZoomToolClickZoomsInAndBringsThePointToTheCentre) {
    chooseTool("zoom");
    EXPECT_EQ(panel(1), "tool: zoom in & out");
    click(Qt::LeftButton, {400, 300});
    EXPECT_EQ(t.zoom, 1.2);
    EXPECT_EQ(t.viewOriginX, 183.0);
    EXPECT_EQ(t.viewOriginY, 115.0);
    click(Qt::RightButton, {291, 207});
    EXPECT_DOUBLE_EQ(t.zoom, 1.0);
}

TEST_F(MainWindow, OrigoToolDrawsTheBoundingBoxByDragging) {
    t.ratioMode = 0;  // free proportions, whatever printer the machine has
    chooseTool("origo & bounding box");
    EXPECT_EQ(t.displayBoundingBox, 1);
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, {300, 200});
    EXPECT_EQ(panel(2), "bounding box");
    moveTo({400, 260});
    EXPECT_EQ(panel(2), "x=8.500000;y=-7.500000 w=100.000000;h=60.000000");
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {400, 260});
    EXPECT_EQ(panel(2), "idle");
    EXPECT_EQ(t.box.x, 8.5);
    EXPECT_EQ(t.box.y, -7.5);
    EXPECT_EQ(t.box.w, 100.0);
    EXPECT_EQ(t.box.h, 60.0);
    const QImage& picture = window->view().buffer();
    EXPECT_EQ(picture.pixelColor(350, 200), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(300, 230), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(350, 230).rgb(), toQColor(t.palette[2]).rgb());
}

TEST_F(MainWindow, CloseQueryKeepsModifiedWorkOnYesAndClosesOnNo) {
    int closed = 0;
    window->onClosed = [&closed] { ++closed; };
    t.modified = 1;
    ui.answers.push_back(Answer::Yes);
    trigger("quit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Do you want save current file?"});
    ui.answers.push_back(Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(MainWindow, UnmodifiedDocumentClosesWithoutAQuestion) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindow, FileNamedAtStartOpensOrLeavesAnEmptyUntitledDocument) {
    TempDir dir("mainwin-start");
    const std::string good = dir / "one.rho";
    std::ofstream(good) << "960905\n0\n0.000000 0.000000 1 0 1\n-1\n";
    EXPECT_TRUE(openStartupFile(t, window->shell(), good));
    EXPECT_EQ(caption(), "rho 2.0 " + good);
    EXPECT_EQ(panel(0), "shapes:1 contour:0");
    EXPECT_EQ(t.untitled, 0);

    TForm1 second(ui);
    const std::string refused = dir / "bad.rho";
    std::ofstream(refused) << "123\n0\n";
    EXPECT_FALSE(openStartupFile(second.tiling(), second.shell(), refused));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error reading file"});
    EXPECT_EQ(second.windowTitle().toStdString(), "rho 2.0 untitled");
    EXPECT_EQ(second.tiling().shapeLast, -1);
    EXPECT_EQ(second.tiling().untitled, 1);
}

TEST_F(MainWindow, DroppedTilingIsOpened) {
    TempDir dir("mainwin-drop");
    const std::string path = dir / "star.rho";
    std::ofstream(path) << "960905\n1\n0.000000 0.000000 1 0 1\n100.000000 0.000000 0 3 -4\n-1\n";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(caption(), "rho 2.0 " + path);
    EXPECT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.shapes[1].color, -4);

    // A refused file dropped over unsaved work changes nothing of it.
    const std::string bad = dir / "bad.rho";
    std::ofstream(bad) << "960905\n1\n";
    t.modified = 1;
    ui.answers = {Answer::No, Answer::Ok};
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(bad))});
    QDragEnterEvent enterAgain(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enterAgain);
    QDropEvent refused(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &refused);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Do you want save current file?", "Error reading file"}));
    EXPECT_EQ(std::tuple(caption(), t.fileName, t.shapeLast, t.modified), std::tuple("rho 2.0 " + path, path, 1, 1));
    EXPECT_EQ(panel(0), "shapes:2 contour:0");
}

}  // namespace
}  // namespace rho::test

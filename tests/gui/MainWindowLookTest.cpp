#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QProgressBar>
#include <QtTest/qtestspontaneevent.h>
#include <QWindow>

#include "app/DialogForms.h"
#include "app/QtModalUi.h"
#include "gui/MainWindowFixture.h"
#include "gui/OnNextModal.h"

namespace rho::test {
namespace {

using MainWindowLook = MainWindowFixture;

TEST_F(MainWindowLook, PaletteStaysWhenTheWindowManagerClosesIt) {
    TForm2& palette = window->toolPalette();
    ASSERT_NE(palette.windowHandle(), nullptr);
    // The window manager's close: a spontaneous close event on the palette's platform window.
    QCloseEvent managerClose;
    QSpontaneKeyEvent::setSpontaneous(&managerClose);
    QApplication::instance()->notify(palette.windowHandle(), &managerClose);
    QApplication::processEvents();
    EXPECT_FALSE(managerClose.isAccepted());
    EXPECT_TRUE(palette.isVisible());
}

TEST_F(MainWindowLook, StatusPanelsShowTheirLongestTextsAndPanelTwoTakesTheRest) {
    const QString counts = "shapes:15000 contour:15000", tool = "tool: set origo & bounding box";
    for (const int pointSize : {0, 16}) {  // the start font, then a larger one
        if (pointSize) {
            QFont large = window->font();
            large.setPointSize(pointSize);
            window->setFont(large);
            window->resize(900, 500);
            QApplication::processEvents();
        }
        window->shell().setStatusPanels(counts.toStdString(), tool.toStdString(), "x=-12345 y=67890");
        const QLabel *p0 = window->statusPanel(0), *p1 = window->statusPanel(1), *p2 = window->statusPanel(2);
        const int indent = p0->fontMetrics().horizontalAdvance(u'x');
        EXPECT_GE(p0->contentsRect().width(), p0->fontMetrics().horizontalAdvance(counts) + indent) << pointSize;
        EXPECT_GE(p1->contentsRect().width(), p1->fontMetrics().horizontalAdvance(tool) + indent) << pointSize;
        EXPECT_GE(std::min(p0->width(), p1->width()), 150);
        EXPECT_EQ(std::tuple(p1->x(), p2->x(), p2->x() + p2->width()),
                  std::tuple(p0->width(), p0->width() + p1->width(), window->centralWidget()->width()));
    }
}

TEST_F(MainWindowLook, ShrinkingKeepsTheSpeedBarAndTheStatusLineWhole) {
    window->resize(1, 1);
    QApplication::processEvents();
    const QRect inside = window->rect();
    for (const char* hint : {"new tile", "display as both", "set editor..."}) {
        const QToolButton* b = window->speedButton(hint);
        EXPECT_TRUE(inside.contains(QRect(b->mapTo(window.get(), QPoint(0, 0)), b->size()))) << hint;
    }
    const QLabel* p2 = window->statusPanel(2);
    EXPECT_TRUE(inside.contains(QRect(p2->mapTo(window.get(), QPoint(0, 0)), p2->size())));
    EXPECT_GE(p2->width(), 150);
    // The view keeps some rows between the speed bar and the progress bar.
    EXPECT_GE(window->progressBar()->y(), 29 + 50);
}

TEST(AboutBoxLook, ItsFrameShowsAlongEveryEdge) {
    TForm7 box(nullptr);
    const QImage image = box.grab().toImage();
    const QRgb dark = box.palette().color(QPalette::Dark).rgb();
    ASSERT_NE(dark, box.palette().color(QPalette::Window).rgb());
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (const QPoint at : {QPoint(0, 0), QPoint(right, bottom), QPoint(right / 2, bottom), QPoint(0, 180),
                            QPoint(right, 80)})
        EXPECT_EQ(image.pixel(at), dark) << at.x() << "," << at.y();
    EXPECT_NE(image.pixel(1, 180), dark);
}

TEST(FileDialogLook, EachFilterShowsOnceAndStillChoosesFiles) {
    QtModalUi ui;
    QStringList shown, filters;
    const OnNextModal answer([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(combo, nullptr);
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        filters = dialog->nameFilters();
        dialog->reject();
    });
    FileDialogRequest request;
    request.title = "open file";
    request.filter = "penrose tiling(*.rho)|*.rho|penrose set (*.rhs)|*rhs";
    EXPECT_EQ(ui.openFileDialog(nullptr, request), std::nullopt);
    EXPECT_EQ(shown, (QStringList{"penrose tiling(*.rho)", "penrose set (*.rhs)"}));
    // The patterns the dialog filters by are the caller's, "*rhs" without its dot.
    EXPECT_EQ(filters, (QStringList{"penrose tiling(*.rho) (*.rho)", "penrose set (*.rhs) (*rhs)"}));
}

}  // namespace
}  // namespace rho::test

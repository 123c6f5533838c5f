// Without an installed printer the window prints into PDF files.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "gui/MainWindowFixture.h"
#include "gui/PdfPages.h"
#include "support/TempDir.h"

namespace rho {
namespace {

struct PrintToPdfWindow : test::MainWindowFixture {
    void SetUp() override {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
        MainWindowFixture::SetUp();
    }
    static QSize pdfPage(QPageLayout::Orientation orientation) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(300);
        printer.setPageOrientation(orientation);
        return QSize(printer.width(), printer.height());
    }
};

TEST_F(PrintToPdfWindow, PrintCommandsAreEnabledWithThePdfPagesProportions) {
    EXPECT_EQ(std::tuple(window->menuItem("print setup...")->isEnabled(), window->menuItem("print")->isEnabled(),
                         window->speedButton("print")->isEnabled()),
              std::tuple(true, true, true));
    const QSize page = pdfPage(QPageLayout::Portrait);
    ASSERT_LT(page.width(), page.height());
    EXPECT_EQ(std::tuple(t.ratioMode, t.pageAspect), std::tuple(1, double(page.width()) / page.height()));
}

// The page setup dialog through its own widgets: landscape, then OK.
TEST_F(PrintToPdfWindow, PageSetupDialogTurnsThePageAndTheBoxFollows) {
    bool clicked = false;
    ui.dialogActions.push_back([&clicked](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, &clicked] {
            auto* landscape = dialog.findChild<QRadioButton*>("landscape");
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            if (!landscape || !buttons || !buttons->button(QDialogButtonBox::Ok)) return dialog.reject();
            QTest::keyClick(landscape, Qt::Key_Space);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            clicked = true;
        });
        return dialog.exec();
    });
    t.box.w = 1000.0;
    trigger("print setup...");
    ASSERT_TRUE(clicked);
    const QSize page = pdfPage(QPageLayout::Landscape);
    ASSERT_GT(page.width(), page.height());
    const double aspect = double(page.width()) / page.height();
    EXPECT_EQ(std::tuple(ui.dialogTitles.size(), t.ratioMode, t.pageAspect, t.box.h),
              std::tuple(1u, 1, aspect, 1000.0 / aspect));
}

// The whole job from the "print" button: a red shape at the page's centre,
// the frame along the printable area, and a shape across its left edge
// that leaves the margin blank.
TEST_F(PrintToPdfWindow, PrintButtonWritesTheChosenPdfFile) {
    test::TempDir dir("rho-print-window");
    const std::string pdf = dir / "tiling.pdf";
    t.shapes[++t.shapeLast] = TileShape{0.0, 0.0, kLargeShape, 0, 4};
    t.shapes[++t.shapeLast] = TileShape{-50.0, -60.0, kLargeShape, 0, 4};
    t.box = BoundingBox{-50.0, -50.0 / t.pageAspect, 100.0, 100.0 / t.pageAspect};
    t.printColor = 1;
    ui.saveChoices.push_back(FileChoice{pdf, 1});
    window->speedButton("print")->click();
    ASSERT_EQ(std::tuple(ui.fileRequests.size(), ui.messages.size(), panel(2)), std::tuple(1u, 0u, std::string("idle")));

    QPrinter writer(QPrinter::HighResolution);
    writer.setOutputFormat(QPrinter::PdfFormat);
    const QRect area = writer.pageLayout().paintRectPixels(300);
    const QRect paper = writer.pageLayout().fullRectPixels(300);
    const QImage page = test::readPdfPage(pdf, 300);
    const QSize rounding = page.size() - paper.size();  // pdftoppm rounds, Qt truncates
    ASSERT_TRUE(rounding.width() >= 0 && rounding.height() >= 0 && rounding.width() + rounding.height() <= 2);
    auto at = [&page](QPoint p) { return page.pixel(p) & 0xffffff; };
    EXPECT_EQ(at(area.center()), 0xff0000u);
    const QPoint left(area.left(), area.center().y()), top(area.center().x(), area.top());
    EXPECT_EQ(std::tuple(at(left), at(left + QPoint(3, 0)), at(left - QPoint(3, 0)), at(top), at(top + QPoint(0, 3))),
              std::tuple(0u, 0xffffffu, 0xffffffu, 0u, 0xffffffu));
    const int row = area.top() + static_cast<int>(area.width() / 100.0 * (-60.0 - t.box.y));
    EXPECT_EQ(std::tuple(at({area.left() - 3, row}), at({area.left(), row}), at({area.left() + 3, row})),
              std::tuple(0xffffffu, 0u, 0xff0000u));

    // Cancelled: nothing is written over the file.
    const auto written = std::filesystem::last_write_time(pdf);
    window->menuItem("print")->trigger();
    EXPECT_EQ(std::tuple(ui.fileRequests.size(), ui.messages.size(), std::filesystem::last_write_time(pdf) == written),
              std::tuple(2u, 0u, true));
}

}  // namespace
}  // namespace rho

// One real print job: the Qt printer writes a PDF page, which pdftoppm
// turns back into pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <cstdlib>

#include "app/QtPrinter.h"
#include "edit/Creation.h"
#include "io/Printing.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"
#include "ScriptedModalUi.h"

namespace rho {
namespace {

// A 200 x 150 point page without margins at 72 pixels per inch, so that a
// printer pixel is a point; the box is twice the page, a scale of 0.5. Both
// shapes have vertical sides at angle 0, so the row through their centres,
// 0.5 (130 + 20) = 75, crosses outline, fill, outline at their leftmost and
// rightmost corner columns; the frame runs along the outermost pixels.
TEST(PrintPdf, PageShowsFilledShapesAndTheFrameAtTheirPixels) {
    test::TempDir dir("rho-print-pdf");
    test::ScriptedModalUi ui;
    test::FakeShell shell;
    auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qprinter->setOutputFormat(QPrinter::PdfFormat);
    qprinter->setOutputFileName(QString::fromStdString(dir / "page.pdf"));
    qprinter->setResolution(72);
    qprinter->setPageLayout(QPageLayout(QPageSize(QSizeF(200, 150), QPageSize::Point, {}, QPageSize::ExactMatch),
                                        QPageLayout::Portrait, QMarginsF()));
    QtPrinter printer(std::move(qprinter), ui, nullptr);
    printer.setupDialog();  // through the scripted answers: cancelled, never blocking
    EXPECT_EQ(std::tuple(ui.dialogTitles.size(), printer.installed()), std::tuple(1u, true));
    auto t = createTiling(shell, PrinterState{true, 200.0 / 150.0});
    t->box = BoundingBox{-10, -20, 400, 300};
    t->printColor = 1;
    t->shapes[++t->shapeLast] = TileShape{110, 130, kLargeShape, 0, 4};  // red
    t->shapes[++t->shapeLast] = TileShape{270, 130, kSmallShape, 0, 8};  // blue
    printTiling(*t, shell, printer);
    ASSERT_TRUE(shell.messages.empty());
    const std::string command = "pdftoppm -r 72 -aa no -aaVector no -png -singlefile '" + (dir / "page.pdf") + "' '" +
                                (dir / "page") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage page = QImage(QString::fromStdString(dir / "page.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(200, 150));

    auto at = [&page](int x, int y) { return page.pixel(x, y) & 0xffffff; };
    constexpr QRgb kBlack = 0x000000, kWhite = 0xffffff;
    for (int x = 1; x < 199; ++x)
        ASSERT_EQ(std::tuple(at(x, 0), at(x, 1), at(x, 148), at(x, 149)), std::tuple(kBlack, kWhite, kWhite, kBlack)) << x;
    for (int y = 1; y < 149; ++y)
        ASSERT_EQ(std::tuple(at(0, y), at(1, y), at(198, y), at(199, y)), std::tuple(kBlack, kWhite, kWhite, kBlack)) << y;
    const struct {
        double centreX, halfWidth;  // world units from the centre to a vertical side
        QRgb fill;
    } shapes[] = {{110, 20 * 0.9510565162951535, 0xff0000}, {270, 20 * 0.5877852522924731, 0x0000ff}};
    for (const auto& s : shapes) {
        const int left = static_cast<int>(0.5 * (s.centreX - s.halfWidth + 10));
        const int right = static_cast<int>(0.5 * (s.centreX + s.halfWidth + 10));
        EXPECT_EQ(std::tuple(at(left - 1, 75), at(left, 75), at(left + 1, 75), at(right - 1, 75), at(right, 75),
                             at(right + 1, 75)),
                  std::tuple(kWhite, kBlack, s.fill, s.fill, kBlack, kWhite))
            << s.centreX;
    }
}

}  // namespace
}  // namespace rho

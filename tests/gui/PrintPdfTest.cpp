// One real print job: the Qt printer writes a PDF page, which pdftoppm
// turns back into pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
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

// A PDF printer of 72 pixels per inch on a page of width x height points
// without margins, so that one printer pixel is one point of the page.
std::unique_ptr<QtPrinter> pdfPrinter(const std::string& path, int width, int height, ModalUi& ui) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setResolution(72);
    printer->setPageLayout(QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return std::make_unique<QtPrinter>(std::move(printer), ui, nullptr);
}

// The PDF's first page as pixels, 72 per inch, without smoothing.
QImage renderPdf(const std::string& pdf, const std::string& prefix) {
    const std::string command = "pdftoppm -r 72 -aa no -aaVector no -png -singlefile '" + pdf + "' '" + prefix + "'";
    if (std::system(command.c_str()) != 0) return {};
    return QImage(QString::fromStdString(prefix + ".png")).convertToFormat(QImage::Format_RGB32);
}

struct PrintPdf : ::testing::Test {
    test::TempDir dir{"rho-print-pdf"};
    test::ScriptedModalUi ui;
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell, PrinterState{true, 200.0 / 150.0});
};

// Both shapes have vertical sides at angle 0, so the row through their
// centres crosses outline, fill, outline at their leftmost and rightmost
// corner columns; the frame runs along the page's outermost pixels.
TEST_F(PrintPdf, PageShowsFilledShapesAndTheFrameAtTheirPixels) {
    auto printer = pdfPrinter(dir / "page.pdf", 200, 150, ui);
    ASSERT_EQ(std::pair(printer->pageWidth(), printer->pageHeight()), std::pair(200, 150));
    t->box = BoundingBox{-10, -20, 400, 300};  // scale 0.5
    t->printColor = 1;
    t->shapes[++t->shapeLast] = TileShape{110, 130, kLargeShape, 0, 4};
    t->shapes[++t->shapeLast] = TileShape{270, 130, kSmallShape, 0, 8};
    printTiling(*t, shell, *printer);
    ASSERT_TRUE(shell.messages.empty());

    const QImage page = renderPdf(dir / "page.pdf", dir / "page");
    ASSERT_EQ(page.size(), QSize(200, 150));
    auto at = [&page](int x, int y) { return page.pixel(x, y) & 0xffffff; };
    constexpr QRgb kBlack = 0x000000, kWhite = 0xffffff, kRed = 0xff0000, kBlue = 0x0000ff;
    for (int x = 0; x < 200; ++x) {
        ASSERT_EQ(std::pair(at(x, 0), at(x, 149)), std::pair(kBlack, kBlack)) << x;
        if (x > 0 && x < 199) {
            ASSERT_EQ(std::pair(at(x, 1), at(x, 148)), std::pair(kWhite, kWhite)) << x;
        }
    }
    for (int y = 0; y < 150; ++y) {
        ASSERT_EQ(std::pair(at(0, y), at(199, y)), std::pair(kBlack, kBlack)) << y;
        if (y > 0 && y < 149) {
            ASSERT_EQ(std::pair(at(1, y), at(198, y)), std::pair(kWhite, kWhite)) << y;
        }
    }
    // The row through both centres: 0.5 (130 + 20).
    const int row = 75;
    const struct {
        double centreX;
        double halfWidth;  // world units from the centre to a vertical side
        QRgb fill;
    } shapes[] = {{110, 40 * 0.9510565162951535 / 2, kRed}, {270, 40 * 0.5877852522924731 / 2, kBlue}};
    for (const auto& s : shapes) {
        const int left = static_cast<int>(0.5 * (s.centreX - s.halfWidth + 10));
        const int right = static_cast<int>(0.5 * (s.centreX + s.halfWidth + 10));
        EXPECT_EQ(std::tuple(at(left - 1, row), at(left, row), at(right, row), at(right + 1, row)),
                  std::tuple(kWhite, kBlack, kBlack, kWhite))
            << s.centreX;
        EXPECT_EQ(at((left + right) / 2, row), s.fill) << s.centreX;
    }
}

// A printer Qt cannot open (its file lies in a missing folder) is reported.
TEST_F(PrintPdf, JobThatCannotStartSaysSo) {
    auto printer = pdfPrinter(dir / "missing/page.pdf", 200, 150, ui);
    t->shapes[++t->shapeLast] = TileShape{0, 0, kLargeShape, 0, 1};
    printTiling(*t, shell, *printer);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(std::tuple(shell.messages[0].text, shell.messages[0].buttons, t->statusText, shell.progressPos),
              std::tuple("Can not print", Buttons::Ok, "idle", 0));
}

}  // namespace
}  // namespace rho

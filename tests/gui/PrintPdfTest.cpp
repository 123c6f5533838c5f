#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <filesystem>

#include "app/QtPrinter.h"
#include "edit/Creation.h"
#include "gui/PdfPages.h"
#include "io/Printing.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"
#include "ScriptedModalUi.h"

namespace rho {
namespace {

constexpr QRgb kBlack = 0x000000, kWhite = 0xffffff, kGrey = 0xc8c8c8, kRed = 0xff0000, kBlue = 0x0000ff;

// A 200 x 150 point page without margins at 72 pixels per inch: a printer pixel is a point.
struct PrintPdf : ::testing::Test {
    test::TempDir dir{"rho-print-pdf"};
    test::ScriptedModalUi ui;
    test::FakeShell shell;
    std::unique_ptr<QtPrinter> printer;
    std::unique_ptr<Tiling> t = createTiling(shell, PrinterState{true, 200.0 / 150.0});

    void SetUp() override {
        auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        qprinter->setOutputFormat(QPrinter::PdfFormat);
        qprinter->setResolution(72);
        qprinter->setPageLayout(QPageLayout(QPageSize(QSizeF(200, 150), QPageSize::Point, {}, QPageSize::ExactMatch),
                                            QPageLayout::Portrait, QMarginsF()));
        printer = std::make_unique<QtPrinter>(std::move(qprinter), ui, nullptr);
    }
    std::string pdf() const { return dir / "page.pdf"; }
    QImage print(int zoom = 1) {
        ui.saveChoices.push_back(FileChoice{pdf(), 1});
        printTiling(*t, shell, *printer);
        EXPECT_TRUE(shell.messages.empty());
        const QImage page = test::readPdfPage(pdf(), 72 * zoom);
        EXPECT_EQ(page.size(), QSize(200 * zoom, 150 * zoom));
        return page;
    }
    static QRgb at(const QImage& page, int x, int y) { return page.pixel(x, y) & 0xffffff; }
    // Printer pixel (x, y) of a page read back at 4x: its 4 x 4 block's colour, or kMixed.
    static constexpr QRgb kMixed = 0x1000000;
    static QRgb block(const QImage& page, int x, int y) {
        const QRgb c = at(page, 4 * x, 4 * y);
        for (int i = 0; i < 16; ++i)
            if (at(page, 4 * x + i % 4, 4 * y + i / 4) != c) return kMixed;
        return c;
    }
};

// At a scale of 0.5 the row 75 through both centres crosses outline, fill,
// outline at the shapes' vertical sides; the frame runs along the outermost pixels.
TEST_F(PrintPdf, PageShowsFilledShapesAndTheFrameAtTheirPixels) {
    t->box = BoundingBox{-10, -20, 400, 300};
    t->printColor = 1;
    t->shapes[++t->shapeLast] = TileShape{110, 130, kLargeShape, 0, 4};  // red
    t->shapes[++t->shapeLast] = TileShape{270, 130, kSmallShape, 0, 8};  // blue
    const QImage page = print();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& asked = ui.fileRequests[0];
    EXPECT_EQ(std::tuple(asked.title, asked.filter, asked.defaultExt, asked.confirmOverwrite),
              std::tuple("print to PDF file", "PDF document|*.pdf", "pdf", true));

    for (int k = 1; k < 149; ++k)
        ASSERT_EQ(std::tuple(at(page, k, 0), at(page, k, 1), at(page, k, 149), at(page, 0, k), at(page, 1, k),
                             at(page, 199, k), at(page, 198, k)),
                  std::tuple(kBlack, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite))
            << k;
    const struct {
        double centreX, halfWidth;  // world units from the centre to a vertical side
        QRgb fill;
    } shapes[] = {{110, 20 * 0.9510565162951535, kRed}, {270, 20 * 0.5877852522924731, 0x0000ff}};
    for (const auto& s : shapes) {
        const int left = static_cast<int>(0.5 * (s.centreX - s.halfWidth + 10));
        const int right = static_cast<int>(0.5 * (s.centreX + s.halfWidth + 10));
        EXPECT_EQ(std::tuple(at(page, left - 1, 75), at(page, left, 75), at(page, left + 1, 75),
                             at(page, right - 1, 75), at(page, right, 75), at(page, right + 1, 75)),
                  std::tuple(kWhite, kBlack, s.fill, s.fill, kBlack, kWhite))
            << s.centreX;
    }
    EXPECT_EQ(shell.statusHistory.back(), "idle");
}

TEST_F(PrintPdf, UnwritableFileChoiceIsReportedAndLeavesNothing) {
    t->shapes[++t->shapeLast] = TileShape{0, 0, kLargeShape, 0, 4};
    ui.saveChoices.push_back(FileChoice{dir / "missing/page.pdf", 1});
    printTiling(*t, shell, *printer);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(std::tuple(shell.messages[0].text, shell.statusHistory.back(), std::filesystem::exists(dir / "missing")),
              std::tuple("Can not print", "idle", false));
}

// A red line over a blue rectangle edged black, at a scale of 1: plain, and
// antialiased (rectangle white, line black with grey 200 one row off), read
// back at 4x as pdftoppm smooths a picture drawn at its own resolution.
TEST_F(PrintPdf, DecorationLinesPrintWithAndWithoutAntialiasing) {
    t->box = BoundingBox{0, 0, 200, 150};
    t->decoration = 1;
    t->printColor = 1;
    t->shapes[++t->shapeLast] = TileShape{100, 75, kLargeShape, 0, 4};
    SetDrawing& large = t->set.large;
    large.objects[0] = SetObject{2, 3, 0, 0xff0000, {{-30, -20}, {30, -20}, {30, 20}, {-30, 20}}};
    large.objects[1] = SetObject{0, 1, 0x0000ff, 0, {{-10, 0}, {10, 0}}};
    large.count = 2;

    const QImage plain = print();
    for (int x = 90; x <= 110; ++x)
        EXPECT_EQ(std::tuple(at(plain, x, 74), at(plain, x, 75), at(plain, x, 76)), std::tuple(kBlue, kRed, kBlue))
            << x;
    EXPECT_EQ(std::tuple(at(plain, 89, 75), at(plain, 111, 75)), std::tuple(kBlue, kBlue));
    EXPECT_EQ(std::tuple(at(plain, 70, 55), at(plain, 71, 56), at(plain, 69, 54)), std::tuple(kBlack, kBlue, kWhite));

    t->antialiased = 1;
    const QImage smooth = print(4);
    for (int x = 90; x <= 110; ++x)
        EXPECT_EQ(std::tuple(block(smooth, x, 73), block(smooth, x, 74), block(smooth, x, 75), block(smooth, x, 76),
                             block(smooth, x, 77)),
                  std::tuple(kWhite, kGrey, kBlack, kGrey, kWhite))
            << x;
    EXPECT_EQ(std::tuple(block(smooth, 85, 54), block(smooth, 85, 55), block(smooth, 85, 56), block(smooth, 73, 58),
                         block(smooth, 70, 55)),
              std::tuple(kGrey, kBlack, kGrey, kWhite, kBlack));
    // The frame, a hairline at this resolution, lies over the picture.
    EXPECT_EQ(std::tuple(at(smooth, 0, 300), at(smooth, 1, 300), at(smooth, 400, 0), at(smooth, 400, 1)),
              std::tuple(kBlack, kWhite, kBlack, kWhite));
}

}  // namespace
}  // namespace rho

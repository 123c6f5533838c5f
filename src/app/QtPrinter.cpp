#include "app/QtPrinter.h"

#include <QBuffer>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/ModalUi.h"
#include "app/QtSurface.h"
#include "io/AtomicFile.h"

namespace rho {

namespace {
// Fine enough for the one-pixel lines, coarse enough that the antialiased
// lines (about two and a half printer pixels wide) still show on paper.
constexpr int kPdfResolution = 300;
}  // namespace

// The PDF page is written into memory and from there, once complete, into
// the chosen file, as every file of the program is written.
struct QtPrinter::PdfJob {
    QBuffer bytes;
    QPdfWriter writer{&bytes};
    PdfJob() { bytes.open(QIODevice::WriteOnly); }
};

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, ModalUi& ui, QWidget* parent)
    : printer_(std::move(printer)), ui_(ui), parent_(parent) {}

QtPrinter::~QtPrinter() {
    rasterSurface_.reset();
    page_.reset();
}

bool QtPrinter::writesPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

bool QtPrinter::installed() { return writesPdf() || !QPrinterInfo::availablePrinterNames().isEmpty(); }

void QtPrinter::setupDialog() {
    if (QPrinterInfo::availablePrinterNames().isEmpty() && writesPdf()) {
        QPageSetupDialog dialog(printer_.get(), parent_);
        ui_.execDialog(dialog);
        return;
    }
    QPrintDialog dialog(printer_.get(), parent_);
    ui_.execDialog(dialog);
}

int QtPrinter::pageWidth() { return printer_->width(); }

int QtPrinter::pageHeight() { return printer_->height(); }

bool QtPrinter::chooseOutput() {
    pdfPath_.clear();
    if (!writesPdf()) return true;
    FileDialogRequest request;
    request.title = "print to PDF file";
    request.filter = "PDF document|*.pdf";
    request.defaultExt = "pdf";
    request.confirmOverwrite = true;
    const auto choice = ui_.saveFileDialog(parent_, request);
    if (!choice) return false;
    pdfPath_ = choice->path;
    return true;
}

Surface* QtPrinter::beginJob() {
    page_.reset();
    pdf_.reset();
    rasterFailed_ = false;
    std::unique_ptr<QtSurface> page;
    if (writesPdf()) {
        if (pdfPath_.empty()) return nullptr;
        pdf_ = std::make_unique<PdfJob>();
        pdf_->writer.setPageLayout(printer_->pageLayout());
        pdf_->writer.setResolution(printer_->resolution());
        pdf_->writer.setCreator("rho 2.0");
        page = std::make_unique<QtSurface>(pdf_->writer);
    } else {
        if (!printer_->isValid()) return nullptr;
        page = std::make_unique<QtSurface>(*printer_);
    }
    if (!page->begin()) {
        pdf_.reset();
        return nullptr;
    }
    // The page is its printable area: a PDF page would show the shapes
    // beyond it on the margins, which a printer leaves blank.
    page->setClipRect(0, 0, page->width(), page->height());
    page_ = std::move(page);
    return page_.get();
}

Surface* QtPrinter::beginRaster(int width, int height) {
    rasterSurface_.reset();
    raster_ = QImage(width, height, QImage::Format_RGB32);
    if (!page_ || raster_.isNull()) {
        rasterFailed_ = true;
        return nullptr;
    }
    raster_.fill(Qt::white);
    rasterSurface_ = std::make_unique<QtSurface>(raster_);
    return rasterSurface_.get();
}

void QtPrinter::endRaster(int left, int top) {
    if (!rasterSurface_) return;
    rasterSurface_->flush();
    rasterSurface_.reset();
    page_->drawImage(left, top, raster_);
    raster_ = QImage();
}

bool QtPrinter::endJob() {
    if (!page_) return false;
    rasterSurface_.reset();
    // A page that misses part of its picture is not sent.
    if (rasterFailed_ && !pdf_) printer_->abort();
    bool sent = page_->flush() && !rasterFailed_;
    page_.reset();
    if (pdf_) {
        if (sent) {
            AtomicFile file;
            const QByteArray& bytes = pdf_->bytes.data();
            sent = file.open(pdfPath_) &&
                   file.write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) &&
                   file.commit();
        }
        pdf_.reset();
    }
    return sent;
}

std::unique_ptr<Printer> createQtPrinter(ModalUi& ui, QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(kPdfResolution);
    }
    return std::make_unique<QtPrinter>(std::move(printer), ui, parent);
}

}  // namespace rho

#include "app/QtPrinter.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/ModalUi.h"
#include "app/QtSurface.h"

namespace rho {

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, ModalUi& ui, QWidget* parent)
    : printer_(std::move(printer)), ui_(ui), parent_(parent) {}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::installed() {
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) return true;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtPrinter::setupDialog() {
    QPrintDialog dialog(printer_.get(), parent_);
    ui_.execDialog(dialog);
}

int QtPrinter::pageWidth() { return printer_->width(); }

int QtPrinter::pageHeight() { return printer_->height(); }

Surface* QtPrinter::beginJob() {
    page_.reset();
    if (!printer_->isValid()) return nullptr;
    auto page = std::make_unique<QtSurface>(*printer_);
    if (!page->begin()) return nullptr;
    page_ = std::move(page);
    return page_.get();
}

bool QtPrinter::endJob() {
    if (!page_) return false;
    const bool sent = page_->flush();
    page_.reset();
    return sent;
}

std::unique_ptr<Printer> createQtPrinter(ModalUi& ui, QWidget* parent) {
    return std::make_unique<QtPrinter>(std::make_unique<QPrinter>(QPrinter::HighResolution), ui, parent);
}

}  // namespace rho

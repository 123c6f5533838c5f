#pragma once
// The platform printer over Qt PrintSupport: the printer list, the setup
// dialogs (run through ModalUi) and one-page jobs. Without an installed
// printer, Qt's PDF writer is the printer: the page goes into a PDF file
// that the user chooses at every print.

#include <QImage>
#include <memory>
#include <string>

#include "io/Printer.h"

class QPrinter;
class QWidget;

namespace rho {

class ModalUi;
class QtSurface;

class QtPrinter : public Printer {
public:
    // Prints on `printer`. A printer set to write PDF is always installed:
    // it needs nothing but a file. Otherwise the system's printer list decides.
    QtPrinter(std::unique_ptr<QPrinter> printer, ModalUi& ui, QWidget* parent);
    ~QtPrinter() override;

    bool installed() override;
    // Qt's print dialog when the system has printers to choose from, the
    // page setup dialog (paper, orientation, margins) for the PDF writer.
    void setupDialog() override;
    int pageWidth() override;
    int pageHeight() override;
    // For the PDF writer: the save dialog for the PDF file.
    bool chooseOutput() override;
    Surface* beginJob() override;
    Surface* beginRaster(int width, int height) override;
    void endRaster(int left, int top) override;
    // For the PDF writer the file is written whole or not at all.
    bool endJob() override;

    QPrinter& qprinter() { return *printer_; }

private:
    bool writesPdf() const;

    std::unique_ptr<QPrinter> printer_;
    ModalUi& ui_;
    QWidget* parent_;
    std::string pdfPath_;  // the file chosen for the next PDF page
    struct PdfJob;
    std::unique_ptr<PdfJob> pdf_;
    std::unique_ptr<QtSurface> page_;
    QImage raster_;
    std::unique_ptr<QtSurface> rasterSurface_;
    bool rasterFailed_ = false;
};

// The system's default printer in high resolution or, when none is
// installed, the PDF writer at 300 pixels per inch.
std::unique_ptr<Printer> createQtPrinter(ModalUi& ui, QWidget* parent);

}  // namespace rho

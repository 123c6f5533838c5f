#pragma once
// The platform printer over Qt PrintSupport: the printer list, the print
// dialog (run through ModalUi) and one-page jobs.

#include <memory>

#include "io/Printer.h"

class QPrinter;
class QWidget;

namespace rho {

class ModalUi;
class QtSurface;

class QtPrinter : public Printer {
public:
    // Prints on `printer`. A printer that writes a PDF file counts as
    // installed; otherwise the system's printer list decides.
    QtPrinter(std::unique_ptr<QPrinter> printer, ModalUi& ui, QWidget* parent);
    ~QtPrinter() override;

    bool installed() override;
    void setupDialog() override;
    int pageWidth() override;
    int pageHeight() override;
    Surface* beginJob() override;
    bool endJob() override;

    QPrinter& qprinter() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QtSurface> page_;
    ModalUi& ui_;
    QWidget* parent_;
};

// The system's default printer (or none), in high resolution.
std::unique_ptr<Printer> createQtPrinter(ModalUi& ui, QWidget* parent);

}  // namespace rho

#pragma once
// The platform printer over Qt PrintSupport: the printer list, the print
// dialog (run through ModalUi) and one-page jobs.

#include <memory>

#include "io/Printer.h"

class QWidget;

namespace rho {

class ModalUi;

std::unique_ptr<Printer> createQtPrinter(ModalUi& ui, QWidget* parent);

}  // namespace rho

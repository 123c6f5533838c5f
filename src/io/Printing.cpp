#include "io/Printing.h"

#include "edit/StatusLine.h"
#include "geometry/MatrixStack.h"
#include "io/PrintRaster.h"
#include "io/Printer.h"
#include "render/Renderer.h"
#include "render/Surface.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr const char* kNothingToPrint = "Nothing to print.";
constexpr const char* kCanNotPrint = "Can not print";
constexpr const char* kNoBoxWidth = "The bounding box must be wider than 0 to print.";

// Puts the status line and the progress bar back as they stand between commands.
void finishJob(Tiling& t, Shell& shell) {
    matrixStack().popMatrix();
    t.statusText = "idle";
    shell.setProgressPosition(0);
    refreshStatusLine(t, shell);
}

}  // namespace

void readPrinterState(Tiling& t, Shell& shell, Printer& printer) {
    const bool installed = printer.installed();
    if (installed) {
        const int width = printer.pageWidth();
        const int height = printer.pageHeight();
        // An empty page has no proportions; the previous aspect stays.
        if (width > 0 && height > 0) t.pageAspect = static_cast<double>(width) / static_cast<double>(height);
        t.ratioMode = 1;
    } else {
        t.ratioMode = 2;
    }
    // A printer chosen later enables the commands again.
    shell.setMenuEnabled("print setup...", installed);
    shell.setMenuEnabled("print", installed);
}

void printsetup1Click(Tiling& t, Shell& shell, Printer& printer) {
    printer.setupDialog();
    readPrinterState(t, shell, printer);
    if (t.ratioMode == 1) t.box.h = t.box.w / t.pageAspect;
    redrawView(t, shell);
}

void printTiling(Tiling& t, Shell& shell, Printer& printer) {
    if (t.shapeLast < 0) {
        shell.messageBox(kNothingToPrint, Buttons::Ok);
        return;
    }
    if (!(t.box.w > 0.0)) {
        shell.messageBox(kNoBoxWidth, Buttons::Ok);
        return;
    }
    // The commands are disabled without a printer; a printer removed since
    // is reported like any job that cannot start.
    if (!printer.installed()) {
        shell.messageBox(kCanNotPrint, Buttons::Ok);
        return;
    }
    // A printer that writes a file asks for it first; cancelling prints nothing.
    if (!printer.chooseOutput()) return;
    announce(t, shell, "printing...");

    const int pageWidth = printer.pageWidth();
    const int pageHeight = printer.pageHeight();
    const double s = static_cast<double>(pageWidth) / t.box.w;
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.scale(s, s, 1.0);
    ms.translate(-t.box.x, -t.box.y, 0.0);

    Surface* page = printer.beginJob();
    if (!page) {
        finishJob(t, shell);
        shell.messageBox(kCanNotPrint, Buttons::Ok);
        return;
    }
    page->setStrokeWidth(t.shapeLineWidth);
    const int mode = t.printColor == 1 ? kNormal : kOutline;
    shell.setProgressRange(0, t.shapeLast);
    bool drawn = true;
    if (t.decoration == 1 && t.antialiased == 1) {
        // Antialiased lines darken the pixels they read, which a page does
        // not keep: these shapes go onto the page as pictures.
        drawn = printShapesInRasters(t, shell, printer, pageWidth, pageHeight, s, mode);
    } else {
        for (int i = 0; i <= t.shapeLast; ++i) {
            shell.setProgressPosition(i);
            drawShape(t, shell, *page, t.shapes[i], mode);
        }
    }
    if (t.printBoundingBox == 1) {
        page->setStrokeColor(0x000000);
        page->setStrokeWidth(t.frameLineWidth);
        page->moveTo(0, 0);
        page->lineTo(pageWidth - 1, 0);
        page->lineTo(pageWidth - 1, pageHeight - 1);
        page->lineTo(0, pageHeight - 1);
        page->lineTo(0, 0);
    }
    const bool sent = printer.endJob() && drawn;
    finishJob(t, shell);
    if (!sent) shell.messageBox(kCanNotPrint, Buttons::Ok);
}

void print1Click(Tiling& t, Shell& shell, Printer& printer) { printTiling(t, shell, printer); }

void SpeedButton4Click(Tiling& t, Shell& shell, Printer& printer) { printTiling(t, shell, printer); }

}  // namespace rho

#pragma once
// The main window's creation step for the document, and the file name it
// shows in the caption.

#include <memory>
#include <string>

namespace rho {

struct Tiling;
class Shell;

// Printer facts that the creation step needs (filled in by the printing code
// when a printer is installed).
struct PrinterState {
    bool installed = false;
    double pageAspect = 1.0;  // printable width / height
};

// The main window's creation step for the document, without the window
// itself: defaults, palette (entries 1 and 2 from the desktop), templates,
// empty tables, bounding box, transform stack and first view, file name.
void initTiling(Tiling& t, Shell& shell, const PrinterState& printer = {});

// Allocates a tiling on the heap and runs the creation step.
std::unique_ptr<Tiling> createTiling(Shell& shell, const PrinterState& printer = {});

// "rho 2.0 " followed by the file name.
void setFileName(Tiling& t, const std::string& path, Shell& shell);

}  // namespace rho

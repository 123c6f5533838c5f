#pragma once
// Printing: the printer state kept in the tiling, "print setup..." and the
// one-page print job of the bounding box's part of the tiling.

namespace rho {

struct Tiling;
class Shell;
class Printer;

// Reads whether a printer is installed and its page proportions; without a
// printer, disables "print setup...", "print" and the "print" button.
void readPrinterState(Tiling& t, Shell& shell, Printer& printer);
// tile > "print setup...".
void printsetup1Click(Tiling& t, Shell& shell, Printer& printer);
// tile > "print" and the "print" button.
void printTiling(Tiling& t, Shell& shell, Printer& printer);
void print1Click(Tiling& t, Shell& shell, Printer& printer);
void SpeedButton4Click(Tiling& t, Shell& shell, Printer& printer);

}  // namespace rho

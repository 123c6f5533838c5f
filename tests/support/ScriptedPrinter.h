#pragma once
// A Printer for tests: a recorded page of a chosen size, scripted failures,
// and counts of what was asked.

#include <functional>
#include <vector>

#include "io/Printer.h"
#include "support/RecordingSurface.h"

namespace rho::test {

// A recording page that also keeps every stroke width set on it.
struct PageSurface : RecordingSurface {
    using RecordingSurface::RecordingSurface;
    std::vector<int> strokeWidths;
    void setStrokeWidth(int width) override { strokeWidths.push_back(width); }
};

struct ScriptedPrinter : Printer {
    bool isInstalled = true, refuseJob = false, refusePage = false;
    int width = 4800, height = 6800;
    std::function<void(ScriptedPrinter&)> onSetup;  // what the user does in the setup dialog
    int setupCalls = 0, jobsBegun = 0, pagesSent = 0;
    PageSurface page;

    bool installed() override { return isInstalled; }
    void setupDialog() override {
        ++setupCalls;
        if (onSetup) onSetup(*this);
    }
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    Surface* beginJob() override {
        ++jobsBegun;
        page = PageSurface(width, height);
        return refuseJob ? nullptr : &page;
    }
    bool endJob() override { return !refusePage && ++pagesSent; }
};

}  // namespace rho::test

#pragma once
// A Printer for tests: a page of a chosen size whose drawing is recorded,
// with scripted failures, and a count of what was asked.

#include <functional>
#include <vector>

#include "io/Printer.h"
#include "support/RecordingSurface.h"

namespace rho::test {

// A recording page that also keeps every stroke width set on it.
class PageSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    std::vector<int> strokeWidths;
    void setStrokeWidth(int width) override { strokeWidths.push_back(width); }
};

class ScriptedPrinter : public Printer {
public:
    bool isInstalled = true;
    int width = 4800, height = 6800;
    bool refuseJob = false;   // beginJob returns null
    bool refusePage = false;  // endJob returns false
    std::function<void(ScriptedPrinter&)> onSetup;  // what the user does in the setup dialog

    int setupCalls = 0, jobsBegun = 0, pagesSent = 0;
    PageSurface page{4800, 6800};

    bool installed() override { return isInstalled; }
    void setupDialog() override {
        ++setupCalls;
        if (onSetup) onSetup(*this);
    }
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    Surface* beginJob() override {
        ++jobsBegun;
        if (refuseJob) return nullptr;
        page = PageSurface(width, height);
        return &page;
    }
    bool endJob() override {
        if (refusePage) return false;
        ++pagesSent;
        return true;
    }
};

}  // namespace rho::test

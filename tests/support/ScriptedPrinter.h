#pragma once
// A Printer for tests: a recorded page of a chosen size, the rasters put on
// it kept with their places, scripted failures, and counts of what was asked.

#include <deque>
#include <functional>
#include <vector>

#include "io/Printer.h"
#include "render/RasterSurface.h"
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
    struct Raster {
        RasterSurface pixels;
        int left = -1, top = -1;  // where it went on the page
    };
    std::deque<Raster> rasters;
    long long maxRasterPixels = 1LL << 23;

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
        rasters.clear();
        return refuseJob ? nullptr : &page;
    }
    Surface* beginRaster(int w, int h) override {
        rasters.push_back({RasterSurface(w, h)});
        return &rasters.back().pixels;
    }
    void endRaster(int left, int top) override {
        rasters.back().left = left;
        rasters.back().top = top;
    }
    long long rasterLimit() override { return maxRasterPixels; }
    bool endJob() override { return !refusePage && ++pagesSent; }
};

}  // namespace rho::test

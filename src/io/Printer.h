#pragma once
// What printing needs of the platform's printer: whether one is installed,
// its setup dialog, the printable page in pixels and a one-page job.

namespace rho {

class Surface;

class Printer {
public:
    virtual ~Printer() = default;
    virtual bool installed() = 0;
    // The platform's printer-setup dialog; its answer is not used.
    virtual void setupDialog() = 0;
    // The printable area of the current printer's page, in printer pixels.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    // Asks the user where the page goes when the printer writes a file (a
    // PDF writer); false when the user cancelled. A real printer asks nothing.
    virtual bool chooseOutput() { return true; }
    // Starts a one-page job and returns the page's surface, or null when
    // the job cannot start.
    virtual Surface* beginJob() = 0;
    // A page keeps no pixels to read back. For pictures that need them
    // (antialiased lines), the job hands out a white raster of `width` x
    // `height` printer pixels with its own (0, 0) corner, and puts it on the
    // page with that corner at page pixel (left, top). Only between
    // beginJob() and endJob(); one raster at a time; null when there is no
    // memory for it.
    virtual Surface* beginRaster(int width, int height) = 0;
    virtual void endRaster(int left, int top) = 0;
    // The most pixels one raster may hold; a larger picture is drawn in bands.
    virtual long long rasterLimit() { return 1LL << 23; }
    // Sends the page; false when the printer refused it.
    virtual bool endJob() = 0;
};

}  // namespace rho

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
    // Starts a one-page job and returns the page's surface, or null when
    // the job cannot start.
    virtual Surface* beginJob() = 0;
    // Sends the page; false when the printer refused it.
    virtual bool endJob() = 0;
};

}  // namespace rho

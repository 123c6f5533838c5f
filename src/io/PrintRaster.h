#pragma once
// The shapes of a print job drawn in pixels, for pictures that read their
// pixels back (antialiased decorations), which a printer page cannot give.
// Only the part of the page the shapes can reach is rasterised, in bands of
// at most the printer's raster limit; each band goes onto the page as a
// picture at printer resolution.

namespace rho {

struct Tiling;
class Shell;
class Printer;

// Draws every shape in `mode` through the current matrix, which maps world
// points to page pixels at `scale` page pixels per world unit, onto the
// page of the printer's running job (pageWidth x pageHeight pixels). The
// pixels come out as drawing the shapes on one white page-sized raster
// would give them. False when the printer had no memory for a raster.
bool printShapesInRasters(const Tiling& t, Shell& shell, Printer& printer, int pageWidth, int pageHeight,
                          double scale, int mode);

}  // namespace rho

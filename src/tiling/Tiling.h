#pragma once
// The one tiling document: shape and contour tables and every piece of
// editing, view, file, palette, display, printer and set state that belongs
// to the open tiling. Large (about 1 MB): allocate it once and pass it on by
// reference.

#include <cstdint>
#include <string>

#include "tiling/History.h"
#include "tiling/Records.h"
#include "tiling/SetDesign.h"

namespace rho {

constexpr int kMaxShapes = 15000;
constexpr int kMaxContour = 12000;
constexpr int kPaletteSize = 21;
constexpr int kTilingVersion = 960905;
// Attaching by hand stops once the shape last index exceeds this value.
constexpr int kMaxHandShapeLast = 4999;

struct Tiling {
    ContourVertex cornerScratch[4];
    ContourVertex contour[kMaxContour];
    TileShape shapes[kMaxShapes];
    int32_t contourLast = -1;
    int32_t shapeLast = -1;

    TileShape floating;
    int32_t adding = 0;
    int32_t captured = 0;

    double viewOriginX = 0.0;
    double viewOriginY = 0.0;
    double zoom = 1.0;
    int32_t snapCorner = 0;
    double dragAnchorX = 0.0;
    double dragAnchorY = 0.0;
    double halfWidth = 0.0;
    double halfHeight = 0.0;

    int32_t modified = 0;
    int32_t untitled = 1;
    int32_t antialiased = 0;
    std::string fileName = "untitled";
    std::string caption = "rho 2.0 untitled";
    int32_t versionMagic = kTilingVersion;
    uint8_t decoration = 0;
    ToolMode tool = ToolMode::Edit;
    std::string statusText = "idle";
    Color palette[kPaletteSize] = {};
    int32_t currentColor = 3;
    int32_t displayOrigin = 0;
    int32_t displayBoundingBox = 0;
    // "keep matching rules": attaching by hand refuses shapes that break the
    // matching rules. A state of the window, not of the file.
    int32_t keepRules = 0;

    ShapeTemplate largeTemplate;
    ShapeTemplate smallTemplate;
    Point2 cornerBuffer[4];
    Point2 cornerBufferCentre;

    // Set editor state.
    int32_t editorOpen = 0;
    Point2 editorCorners[4];

    // Printer state.
    int32_t ratioMode = 2;  // 0 free, 1 keep page proportions, 2 no printer
    double pageAspect = 1.0;
    int32_t printBoundingBox = 1;
    int32_t printColor = 0;
    int32_t frameLineWidth = 1;
    int32_t shapeLineWidth = 1;

    uint8_t outline = 0;
    SetDesign set;
    BoundingBox box;

    // Undo and redo of the shape and contour tables.
    History history;

    int shapeCount() const { return shapeLast + 1; }
    int contourCount() const { return contourLast + 1; }
};

// The default palette; entries 1 and 2 are the given desktop colours.
void setDefaultPalette(Tiling& t, Color buttonFace, Color window);

Color rgb(int r, int g, int b);

}  // namespace rho

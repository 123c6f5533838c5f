#include "WholeRoad.h"

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "edit/QuietShell.h"
#include "geometry/MatrixStack.h"
#include "io/Export.h"
#include "io/SvgExport.h"
#include "io/TilingFile.h"
#include "render/RasterSurface.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "tiling/Tiling.h"

namespace rho::fuzz {

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

class MemoryBitmap : public OffscreenBitmap {
public:
    MemoryBitmap(int width, int height) : surface_(width, height) {}
    Surface& surface() override { return surface_; }
    bool encode(std::string& bytes) override {
        bytes.assign("picture");
        return true;
    }

private:
    RasterSurface surface_;
};

// A quiet shell with a small raster view, a small screen (so that bitmaps
// stay small) and bitmaps in memory.
class RasterShell : public QuietShell {
public:
    Surface& viewSurface() override { return view_; }
    int clientWidth() const override { return 64; }
    int clientHeight() const override { return 48; }
    int screenWidth() const override { return 64; }
    int screenHeight() const override { return 48; }
    std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) override {
        require(width >= 1 && width <= 5 * 64 && height >= 1 && height <= 5 * 48);
        ++bitmaps;
        return std::make_unique<MemoryBitmap>(width, height);
    }
    int bitmaps = 0;

private:
    RasterSurface view_{64, 48};
};

}  // namespace

void wholeRoad(const uint8_t* data, size_t size) {
    if (size < 2) return;
    static RasterShell shell;
    static std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;
    const uint8_t zoomByte = data[0];
    const uint8_t flags = data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    shell.messages.clear();
    const std::string before = tilingText(t);
    if (!readTilingText(t, shell, text)) {
        require(tilingText(t) == before);  // a refused file changes nothing
        return;
    }

    recalculateContour(t, shell);
    require(t.shapeLast >= -1 && t.shapeLast < kMaxShapes);
    require(t.contourLast >= -1 && t.contourLast < kMaxContour);

    t.zoom = std::ldexp(1.0, zoomByte % 41 - 20);
    t.viewOriginX = 32;
    t.viewOriginY = 24;
    t.outline = flags & 1;
    t.antialiased = (flags >> 1) & 1;
    t.displayOrigin = (flags >> 2) & 1;
    t.displayBoundingBox = (flags >> 3) & 1;
    t.adding = (flags >> 4) & 1;
    if (t.adding && t.shapeLast >= 0) t.floating = t.shapes[t.shapeLast];
    applyView(t);
    const int depth = matrixStack().depth();
    redrawView(t, shell);
    require(matrixStack().depth() == depth);

    const std::string ps = postScriptText(t);
    require(ps.rfind("showpage\n") == ps.size() - 9);
    const std::string svg = svgText(t, t.box);
    require(svg.rfind("</svg>\n") == svg.size() - 7);

    shell.bitmaps = 0;
    const bool drawn = drawBitmap(t, shell) != nullptr;
    require(drawn == (shell.bitmaps == 1));
    require(matrixStack().depth() == depth);

    // Written and read back, the text comes out the same.
    const std::string written = tilingText(t);
    require(readTilingText(t, shell, written));
    require(tilingText(t) == written);
    t.adding = 0;
}

}  // namespace rho::fuzz

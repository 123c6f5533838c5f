// Feeds a set file to the set editor's drawing and to the decorations of
// the main view, on pixels in memory. Checks, beyond the sanitizers (which
// catch a far point's coordinate overflowing an int): the transform stack is
// left as it was, and painting the editor twice gives the same pixels.
//
// Input: byte 0 chooses the editor's drawing area (low four bits the width,
// high four the height, 8 to 248 pixels in steps of 16); byte 1 the view
// (bit 0 the large shape, bit 1 the grid shown, bits 2..4 the grid kind,
// bit 5 antialiased decorations, bits 6..7 the main view's zoom, 1/64 to
// 64); the rest is the text of a set file.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "edit/Creation.h"
#include "edit/QuietShell.h"
#include "geometry/MatrixStack.h"
#include "render/RasterSurface.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "seteditor/SetFile.h"
#include "tiling/Tiling.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

// The editor window's shell: a drawing area of pixels in memory.
class EditorShell : public rho::QuietShell {
public:
    void resize(int width, int height) { raster_ = std::make_unique<rho::RasterSurface>(width, height); }
    rho::Surface& viewSurface() override { return *raster_; }
    int clientWidth() const override { return raster_->width(); }
    int clientHeight() const override { return raster_->height(); }
    const std::vector<uint32_t>& pixels() const { return raster_->pixels(); }

private:
    std::unique_ptr<rho::RasterSurface> raster_ = std::make_unique<rho::RasterSurface>(8, 8);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static rho::QuietShell mainShell;
    static EditorShell editorShell;
    static std::unique_ptr<rho::Tiling> tiling = rho::createTiling(mainShell);
    rho::Tiling& t = *tiling;
    static rho::SetEditor e{t, editorShell, mainShell};

    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    rho::SetDesign design;
    if (rho::parseSetText(text, design) != rho::SetParse::Ok) return 0;
    t.set = design;

    const uint8_t area = data[0];
    const uint8_t view = data[1];
    editorShell.resize(8 + (area & 15) * 16, 8 + (area >> 4) * 16);
    e.editLarge = view & 1;
    e.displayGrid = (view >> 1) & 1;
    e.gridKind = ((view >> 2) & 7) % 5;
    rho::loadWorking(e);

    rho::MatrixStack& stack = rho::matrixStack();
    const int depth = stack.depth();
    rho::FormResize(e);  // paints
    const std::vector<uint32_t> first = editorShell.pixels();
    rho::FormPaint(e);
    require(editorShell.pixels() == first);
    require(stack.depth() == depth);

    // The same drawings as decorations of one shape of each kind in the main view.
    t.decoration = 1;
    t.antialiased = (view >> 5) & 1;
    t.zoom = std::ldexp(1.0, ((view >> 6) & 3) * 4 - 6);
    t.viewOriginX = 32;
    t.viewOriginY = 24;
    rho::applyView(t);
    rho::RasterSurface surface(64, 48);
    rho::drawShape(t, mainShell, surface, rho::TileShape{0.0, 0.0, rho::kSmallShape, view % 10, 1}, rho::kNormal);
    rho::drawShape(t, mainShell, surface, rho::TileShape{5.0, -3.0, rho::kLargeShape, area % 10, 1}, rho::kOutline);
    require(stack.depth() == depth);
    return 0;
}

#include "edit/Creation.h"

#include "geometry/MatrixStack.h"
#include "render/View.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

void setFileName(Tiling& t, const std::string& path, Shell& shell) {
    t.fileName = path;
    t.caption = "rho 2.0 " + path;
    shell.setCaption(t.caption);
}

void initTiling(Tiling& t, Shell& shell, const PrinterState& printer) {
    // 1. printing options and printer state
    t.printBoundingBox = 1;
    t.printColor = 0;
    t.frameLineWidth = 1;
    t.shapeLineWidth = 1;
    t.ratioMode = printer.installed ? 1 : 2;
    t.pageAspect = printer.pageAspect;
    // 2. version magic
    t.versionMagic = kTilingVersion;
    // 3. palette and current colour
    setDefaultPalette(t, shell.systemColor(SystemColor::ButtonFace), shell.systemColor(SystemColor::Window));
    t.currentColor = 3;
    // 4. tool and status
    t.tool = ToolMode::Edit;
    t.statusText = "idle";
    // 5. (the tool palette window belongs to the GUI layer)
    // 6. templates
    buildTemplates(t);
    // 7. empty tables and flags
    t.contourLast = -1;
    t.shapeLast = -1;
    t.adding = 0;
    t.captured = 0;
    t.displayOrigin = 0;
    t.displayBoundingBox = 0;
    // 8. bounding box
    t.box = BoundingBox{0.0, 0.0, 1000.0, 700.0};
    // 9. transform stack
    matrixStack().resetTransform();
    // 10. first view
    t.halfWidth = shell.clientWidth() * 0.5;
    t.halfHeight = shell.clientHeight() * 0.5;
    t.viewOriginX = t.halfWidth;
    t.viewOriginY = t.halfHeight;
    t.zoom = 1.0;
    applyView(t);
    // 11. file state
    t.modified = 0;
    t.history.reset(t);
    t.untitled = 1;
    setFileName(t, "untitled", shell);
    // 12. display and set defaults
    t.antialiased = 0;
    t.set.small.count = 0;
    t.set.large.count = 0;
    t.editorOpen = 0;
    t.decoration = 0;
    t.outline = 0;
}

std::unique_ptr<Tiling> createTiling(Shell& shell, const PrinterState& printer) {
    auto t = std::make_unique<Tiling>();
    initTiling(*t, shell, printer);
    return t;
}

}  // namespace rho

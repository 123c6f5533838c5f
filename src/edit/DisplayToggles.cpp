#include "edit/DisplayToggles.h"

#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

void toggle(Tiling& t, Shell& shell, int32_t& flag, const char* item) {
    if (t.tool == ToolMode::OrigoBoundingBox) return;
    flag = flag == 0 ? 1 : 0;
    shell.setMenuChecked(item, flag == 1);
    redrawView(t, shell);
}

}  // namespace

void displayorigin1Click(Tiling& t, Shell& shell) { toggle(t, shell, t.displayOrigin, "display origin"); }

void displayboundingbox1Click(Tiling& t, Shell& shell) {
    toggle(t, shell, t.displayBoundingBox, "display bounding box");
}

}  // namespace rho

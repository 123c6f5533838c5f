#include "edit/PaletteCommands.h"

#include "edit/StatusLine.h"
#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Switches a display flag on for the origo tool and remembers whether the
// tool did it; a flag that was already on stays the user's.
void showForTool(int32_t& display, int32_t& shownByTool) {
    if (display == 0) {
        display = 1;
        shownByTool = 1;
    } else {
        shownByTool = 0;
    }
}

}  // namespace

int paletteHeightFor(ToolMode tool) {
    return tool == ToolMode::Colorize || tool == ToolMode::Floodfill ? kPaletteSwatchesHeight
                                                                      : kPaletteButtonsHeight;
}

int toolButtonClick(Tiling& t, Shell& shell, PaletteState& state, ToolMode tool) {
    t.tool = tool;
    if (tool == ToolMode::OrigoBoundingBox) {
        showForTool(t.displayOrigin, state.originShownByTool);
        showForTool(t.displayBoundingBox, state.boxShownByTool);
        redrawView(t, shell);
    } else if (state.originShownByTool == 1 || state.boxShownByTool == 1) {
        if (state.originShownByTool == 1) t.displayOrigin = 0;
        if (state.boxShownByTool == 1) t.displayBoundingBox = 0;
        state = PaletteState{};
        redrawView(t, shell);
    }
    refreshStatusLine(t, shell);
    return paletteHeightFor(tool);
}

std::string swatchHint(Color color) {
    return std::to_string(color & 0xff) + '-' + std::to_string((color >> 8) & 0xff) + '-' +
           std::to_string((color >> 16) & 0xff);
}

SwatchChange swatchMouseDown(Tiling& t, int i, MouseButton button, const ColorChooser& choose) {
    if (i < 1 || i > kSwatchCount) return SwatchChange::None;
    if (button == MouseButton::Left) {
        t.currentColor = i;
        return SwatchChange::CurrentColor;
    }
    const std::optional<Color> chosen = choose ? choose(t.palette[i]) : std::nullopt;
    if (!chosen) return SwatchChange::None;
    t.palette[i] = *chosen & 0xffffff;
    return SwatchChange::PaletteEntry;
}

}  // namespace rho

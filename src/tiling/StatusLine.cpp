#include "tiling/StatusLine.h"

#include <cstdio>

#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

const char* toolStatusText(ToolMode tool) {
    switch (tool) {
    case ToolMode::Edit: return "tool: edit the tiling";
    case ToolMode::Select: return "tool: select shapes";
    case ToolMode::Erase: return "tool: delete shapes";
    case ToolMode::Colorize: return "tool: colorize shapes";
    case ToolMode::Zoom: return "tool: zoom in & out";
    case ToolMode::Scroll: return "tool: scroll the view";
    case ToolMode::OrigoBoundingBox: return "tool: set origo & bounding box";
    case ToolMode::Floodfill: return "tool: floodfill";
    }
    return "";
}

void refreshStatusLine(const Tiling& t, Shell& shell) {
    char counts[64];
    std::snprintf(counts, sizeof counts, "shapes:%d contour:%d", t.shapeLast + 1, t.contourLast + 1);
    shell.setStatusPanels(counts, toolStatusText(t.tool), t.statusText);
}

void announce(Tiling& t, Shell& shell, const std::string& statusText) {
    t.statusText = statusText;
    refreshStatusLine(t, shell);
}

}  // namespace rho

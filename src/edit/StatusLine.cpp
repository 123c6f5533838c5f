#include "edit/StatusLine.h"

#include <algorithm>
#include <charconv>
#include <string_view>

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
    // "shapes:%d contour:%d", formatted without the locale or an allocation:
    // long commands refresh the status line once per record.
    char counts[64];
    char* p = counts;
    auto append = [&p](std::string_view text) { p = std::copy(text.begin(), text.end(), p); };
    append("shapes:");
    p = std::to_chars(p, counts + sizeof counts, t.shapeLast + 1).ptr;
    append(" contour:");
    p = std::to_chars(p, counts + sizeof counts, t.contourLast + 1).ptr;
    shell.setStatusPanels(std::string_view(counts, static_cast<size_t>(p - counts)), toolStatusText(t.tool),
                          t.statusText);
}

void announce(Tiling& t, Shell& shell, const std::string& statusText) {
    t.statusText = statusText;
    refreshStatusLine(t, shell);
}

}  // namespace rho

#pragma once
// The three panels of the status line and the helpers that long commands
// use to announce themselves.

#include <string>

#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

// Panel 1 text of a tool, e.g. "tool: edit the tiling".
const char* toolStatusText(ToolMode tool);

// Writes the three panels: "shapes:%d contour:%d", the tool text, the
// status text. Changes nothing else.
void refreshStatusLine(const Tiling& t, Shell& shell);

// Stores a status text and refreshes the status line.
void announce(Tiling& t, Shell& shell, const std::string& statusText);

}  // namespace rho

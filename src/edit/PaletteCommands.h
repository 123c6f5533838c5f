#pragma once
// What the tool palette's buttons and swatches do, without its window: the
// eight tool buttons (the origo & bounding box tool keeps the origin and the
// bounding box shown while it is chosen) and the twenty colour swatches.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "edit/MouseTool.h"
#include "tiling/Records.h"

namespace rho {

struct Tiling;
class Shell;

constexpr int kSwatchCount = 20;
// Palette heights: the tool buttons only, or the buttons and the swatches.
constexpr int kPaletteButtonsHeight = 123;
constexpr int kPaletteSwatchesHeight = 291;

// Whether the origo & bounding box tool itself switched the display flags on
// (and so switches them off again when another tool is chosen).
struct PaletteState {
    int32_t originShownByTool = 0;
    int32_t boxShownByTool = 0;
};

// The palette height while `tool` is chosen: the swatches show only for the
// colorize and floodfill tools.
int paletteHeightFor(ToolMode tool);

// A tool button: sets the tool, switches the displays that the origo & bounding
// box tool had switched on back off (or on, for that tool), redraws where a
// display changed and refreshes the status line. Returns the palette height.
int toolButtonClick(Tiling& t, Shell& shell, PaletteState& state, ToolMode tool);

// A swatch's hint: the colour's red, green and blue as "%d-%d-%d".
std::string swatchHint(Color color);

enum class SwatchChange { None, CurrentColor, PaletteEntry };

// Asks for a new colour preset to the given one; nothing when cancelled.
using ColorChooser = std::function<std::optional<Color>(Color initial)>;

// A press on swatch i (1..20): the left button makes i the current colour;
// any other button edits palette entry i with `choose`. Says what changed.
SwatchChange swatchMouseDown(Tiling& t, int i, MouseButton button, const ColorChooser& choose);

}  // namespace rho

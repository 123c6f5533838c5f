#include "generate/Colorize.h"

#include <cstdint>

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr int32_t kSmallTypeColor = 11;
constexpr int32_t kLargeTypeColor = 20;
constexpr int32_t kFirstGrey = 11;
constexpr int32_t kByAngleColor[10] = {11, 13, 15, 17, 19, 11, 13, 15, 17, 20};

// The new colour with the shape's selection: a value of 0 or less counts as
// selected.
int32_t withSign(int32_t old, int32_t color) { return old > 0 ? color : -color; }

bool validAngle(int32_t angle) { return angle >= 0 && angle <= 9; }

// Announces the command, recolours every shape with `recolor`, records the
// change under `label`, redraws and returns to "idle".
template <typename Recolor>
void colorizeShapes(Tiling& t, Shell& shell, const char* label, const char* statusText, Recolor recolor) {
    announce(t, shell, statusText);
    for (int i = 0; i <= t.shapeLast; ++i) recolor(t.shapes[i]);
    documentChanged(t, label);
    redrawView(t, shell);
    announce(t, shell, "idle");
}

}  // namespace

void colorizeall1Click(Tiling& t, Shell& shell) {
    const int32_t current = t.currentColor;
    colorizeShapes(t, shell, "colorize all", "colorizing all shapes",
                   [current](TileShape& s) { s.color = withSign(s.color, current); });
}

void colorizeselected1Click(Tiling& t, Shell& shell) {
    const int32_t current = t.currentColor;
    colorizeShapes(t, shell, "colorize selected", "colorizing selected shapes", [current](TileShape& s) {
        if (s.color < 0) s.color = -current;
    });
}

void bytype1Click(Tiling& t, Shell& shell) {
    colorizeShapes(t, shell, "by type", "colorizing by type", [](TileShape& s) {
        // A colour of exactly 0 carries no sign to keep and stays 0.
        if (s.color == 0) return;
        if (s.kind == kSmallShape) s.color = withSign(s.color, kSmallTypeColor);
        else if (s.kind == kLargeShape) s.color = withSign(s.color, kLargeTypeColor);
    });
}

void byangle1Click(Tiling& t, Shell& shell) {
    colorizeShapes(t, shell, "by angle", "colorizing shapes by angle", [](TileShape& s) {
        if (validAngle(s.angle)) s.color = withSign(s.color, kByAngleColor[s.angle]);
    });
}

void byfullangle1Click(Tiling& t, Shell& shell) {
    colorizeShapes(t, shell, "by full angle", "colorizing shapes by full angle", [](TileShape& s) {
        // An angle outside 0..9 (a damaged file) would give a colour outside
        // the palette; such shapes keep their colour.
        if (validAngle(s.angle)) s.color = withSign(s.color, s.angle + kFirstGrey);
    });
}

void restorecolors1Click(Tiling& t, Shell& shell) {
    colorizeShapes(t, shell, "restore colors", "restoring default color", [](TileShape& s) { s.color = withSign(s.color, 1); });
}

}  // namespace rho

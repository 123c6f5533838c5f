#include "edit/DisplayCommands.h"

#include <cstdint>

#include "render/Renderer.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// The three "display as" menu items; each caption is also its button's hint.
constexpr const char* kDisplayItems[3] = {"display as set", "display as shape", "display as both"};

void displayAs(Tiling& t, Shell& shell, int item, uint8_t decoration, uint8_t outline) {
    t.decoration = decoration;
    t.outline = outline;
    for (int k = 0; k < 3; ++k) shell.setMenuChecked(kDisplayItems[k], k == item);
    shell.setButtonDown(kDisplayItems[item], true);
    redrawView(t, shell);
}

}  // namespace

void displayas1Click(Tiling& t, Shell& shell) { displayAs(t, shell, 0, 1, 0); }
void displayasshape1Click(Tiling& t, Shell& shell) { displayAs(t, shell, 1, 0, 0); }
void displayasboth1Click(Tiling& t, Shell& shell) { displayAs(t, shell, 2, 1, 1); }

void antialiasedlines1Click(Tiling& t, Shell& shell) {
    t.antialiased = 1 - t.antialiased;
    shell.setMenuChecked("antialiased lines", t.antialiased == 1);
    redrawView(t, shell);
}

}  // namespace rho

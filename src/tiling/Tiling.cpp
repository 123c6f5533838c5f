#include "tiling/Tiling.h"

namespace rho {

Color rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xff) | (static_cast<Color>(g & 0xff) << 8) |
           (static_cast<Color>(b & 0xff) << 16);
}

void setDefaultPalette(Tiling& t, Color buttonFace, Color window) {
    t.palette[0] = rgb(0, 0, 0);
    t.palette[1] = buttonFace;
    t.palette[2] = window;
    t.palette[3] = rgb(100, 0, 0);
    t.palette[4] = rgb(255, 0, 0);
    t.palette[5] = rgb(0, 100, 0);
    t.palette[6] = rgb(0, 255, 0);
    t.palette[7] = rgb(0, 0, 100);
    t.palette[8] = rgb(0, 0, 255);
    t.palette[9] = rgb(0, 100, 100);
    t.palette[10] = rgb(0, 100, 255);
    for (int i = 11; i <= 20; ++i) {
        const int g = 25 * (i - 11);
        t.palette[i] = rgb(g, g, g);
    }
}

}  // namespace rho

#pragma once
// The colours of some pixels of a raster, as six hex digits each followed by
// a space, so that a test compares a row of them at once.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "render/RasterSurface.h"

namespace rho::test {

inline std::string colorsAt(const RasterSurface& raster, const std::vector<std::pair<int, int>>& pixels) {
    std::string out;
    for (const auto& [x, y] : pixels) {
        char text[16];
        std::snprintf(text, sizeof text, "%06x ", static_cast<unsigned>(raster.pixel(x, y)));
        out += text;
    }
    return out;
}

}  // namespace rho::test

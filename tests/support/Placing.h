#pragma once
// A fresh tiling with a scripted shell, and helpers for building tilings by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/FakeShell.h"
#include "tiling/Placement.h"
#include "tiling/Tiling.h"

namespace rho::test {

// Makes a floating shape centred on (x, y) and attaches it, as a right click of the edit tool would.
inline bool attachAt(Tiling& t, Shell& shell, double x, double y, int kind, int angle) {
    startAdding(t, shell, 0, 0, kind, angle);
    t.floating.x = x;
    t.floating.y = y;
    return attachShape(t, shell);
}

struct TilingFixture : ::testing::Test {
    FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;

    void setShapes(const std::vector<TileShape>& shapes) {
        t.shapeLast = static_cast<int>(shapes.size()) - 1;
        std::copy(shapes.begin(), shapes.end(), t.shapes);
    }
    std::vector<int> colors() const {
        std::vector<int> c;
        for (int i = 0; i <= t.shapeLast; ++i) c.push_back(t.shapes[i].color);
        return c;
    }
    // The ten sector bytes of every contour point as digits, sector 0 first.
    std::vector<std::string> contourDigits() const {
        std::vector<std::string> all;
        for (int c = 0; c <= t.contourLast; ++c) {
            all.emplace_back(kSectors, '0');
            for (int k = 0; k < kSectors; ++k) all.back()[k] = static_cast<char>('0' + t.contour[c].sectors[k]);
        }
        return all;
    }
};

}  // namespace rho::test

#pragma once
// A fresh tiling with a scripted shell, and helpers for building tilings by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "edit/Creation.h"
#include "edit/Placement.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho::test {

struct TilingFixture : ::testing::Test {
    FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell), fresh = createTiling(shell);
    Tiling& t = *tiling;
    std::mt19937 rng{12345};

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
    // Makes a floating shape centred on (x, y) and attaches it, as a right click of the edit tool would.
    bool attachAt(double x, double y, int kind, int angle) {
        startAdding(t, shell, 0, 0, kind, angle);
        t.floating = {x, y, kind, angle, 1};
        return attachShape(t, shell);
    }
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
        std::vector<std::string> all(static_cast<size_t>(t.contourLast + 1), std::string(kSectors, '0'));
        for (int c = 0; c <= t.contourLast; ++c)
            for (int k = 0; k < kSectors; ++k) all[c][k] = static_cast<char>('0' + t.contour[c].sectors[k]);
        return all;
    }
};

}  // namespace rho::test

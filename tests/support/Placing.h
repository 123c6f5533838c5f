#pragma once
// Helpers for tests that build tilings by hand.

#include <string>

#include "tiling/Placement.h"
#include "tiling/Records.h"
#include "tiling/Tiling.h"

namespace rho::test {

// Makes a floating shape of this kind and angle with its centre at (x, y)
// and attaches it, as a right click of the edit tool would.
inline bool attachAt(Tiling& t, Shell& shell, double x, double y, int kind, int angle) {
    startAdding(t, shell, 0, 0, kind, angle);
    t.floating.x = x;
    t.floating.y = y;
    return attachShape(t, shell);
}

inline bool attachAt(Tiling& t, Shell& shell, const TileShape& s) {
    return attachAt(t, shell, s.x, s.y, s.kind, s.angle);
}

// The ten sector bytes of a point as digits, sector 0 first.
inline std::string sectorDigits(const ContourVertex& v) {
    std::string digits;
    for (int k = 0; k < kSectors; ++k) digits += static_cast<char>('0' + v.sectors[k]);
    return digits;
}

}  // namespace rho::test

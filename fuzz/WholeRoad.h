#pragma once
// One file taken along the whole road: read, contour recalculated, drawn on
// an in-memory raster, exported as PostScript, SVG and bitmap into memory,
// written and read back. Traps on a broken invariant; the sanitizers catch
// the rest. Shared by the libFuzzer target and the corpus replay test.
//
// Input: byte 0 chooses the zoom (2^-20 .. 2^20 in 41 steps), byte 1 the
// display flags (bit 0 outline, bit 1 antialiased background, bit 2 origin,
// bit 3 bounding box, bit 4 the edit tool's floating shape); the rest is the
// text of a tiling file.

#include <cstddef>
#include <cstdint>

namespace rho::fuzz {

void wholeRoad(const uint8_t* data, size_t size);

}  // namespace rho::fuzz

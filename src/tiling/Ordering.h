#pragma once
// The shape table sorted into rows (Shell sort by x, then by y).

namespace rho {

struct Tiling;

void sortIntoRows(Tiling& t);

}  // namespace rho

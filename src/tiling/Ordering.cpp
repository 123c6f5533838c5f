#include "tiling/Ordering.h"

#include <utility>

#include "tiling/StatusLine.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Shell sort over the whole shape table by one key; halving gaps, adjacent
// records of a gap swapped while the earlier key is strictly greater.
template <class Key>
void shellSort(Tiling& t, Key key) {
    const int n = t.shapeLast + 1;
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            for (int j = i - gap; j >= 0 && key(t.shapes[j]) > key(t.shapes[j + gap]); j -= gap) {
                std::swap(t.shapes[j], t.shapes[j + gap]);
            }
        }
    }
}

}  // namespace

void orderShapes(Tiling& t, Shell& shell) {
    announce(t, shell, "ordering shapes");
    // The y pass starts from the x order, so shapes of one row mostly keep
    // their left-to-right order.
    shellSort(t, [](const TileShape& s) { return s.x; });
    shellSort(t, [](const TileShape& s) { return s.y; });
    announce(t, shell, "idle");
}

void ordershapes1Click(Tiling& t, Shell& shell) { orderShapes(t, shell); }

}  // namespace rho

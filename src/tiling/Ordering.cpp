#include "tiling/Ordering.h"

#include <utility>

#include "tiling/Tiling.h"

namespace rho {

namespace {

// One entry of the sort: a shape's key and the slot its record came from.
struct KeyedSlot {
    double key;
    int slot;
};

// Working space for the sort, kept for the life of the program so that
// ordering allocates nothing.
KeyedSlot g_keys[kMaxShapes];
TileShape g_records[kMaxShapes];

// Shell sort of the entries by key: halving gaps, the entries of a gap
// swapped while the earlier key is strictly greater. Comparing keys only
// and moving whole entries, it makes exactly the moves that the same sort
// over the records themselves would make.
void shellSort(KeyedSlot* a, int n) {
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            for (int j = i - gap; j >= 0 && a[j].key > a[j + gap].key; j -= gap) std::swap(a[j], a[j + gap]);
        }
    }
}

// Sorts the shape table by one key, moving each record once at the end.
template <class Key>
void sortShapes(Tiling& t, Key key) {
    const int n = t.shapeLast + 1;
    for (int i = 0; i < n; ++i) g_keys[i] = {key(t.shapes[i]), i};
    shellSort(g_keys, n);
    for (int i = 0; i < n; ++i) g_records[i] = t.shapes[g_keys[i].slot];
    for (int i = 0; i < n; ++i) t.shapes[i] = g_records[i];
}

}  // namespace

void sortIntoRows(Tiling& t) {
    if (t.shapeLast >= kMaxShapes) t.shapeLast = kMaxShapes - 1;
    // The y pass starts from the x order, so shapes of one row mostly keep
    // their left-to-right order.
    sortShapes(t, [](const TileShape& s) { return s.x; });
    sortShapes(t, [](const TileShape& s) { return s.y; });
}

}  // namespace rho

#include "support/RecordingSurface.h"

#include <algorithm>

namespace rho::test {

int RecordingSurface::count(const std::string& op) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const DrawCall& c) { return c.op == op; }));
}

void RecordingSurface::lineTo(int x, int y) {
    DrawCall c = make("line");
    c.points = {pen_, {x, y}};
    calls.push_back(c);
    pen_ = {x, y};
}

void RecordingSurface::polygon(const PixelPoint* points, int n) {
    DrawCall c = make("polygon");
    c.points.assign(points, points + n);
    calls.push_back(c);
}

void RecordingSurface::rectangle(int x1, int y1, int x2, int y2) {
    DrawCall c = make("rectangle");
    c.points = {{x1, y1}, {x2, y2}};
    calls.push_back(c);
}

}  // namespace rho::test

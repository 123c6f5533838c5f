// Feeds arbitrary bytes to the set file parser. Checks, beyond the
// sanitizers: a refused text leaves the design exactly as it was; an
// accepted one keeps every count, point index and object kind within its
// limits, and writing it and parsing that text back gives the same text.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "seteditor/SetFile.h"
#include "tiling/SetDesign.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

bool withinLimits(const rho::SetDrawing& d) {
    if (d.count < 0 || d.count > rho::kSetDrawingObjects) return false;
    for (int j = 0; j < d.count; ++j) {
        const rho::SetObject& o = d.objects[j];
        if (o.lastPoint < 0 || o.lastPoint >= rho::kSetObjectPoints || o.objectKind < 0 || o.objectKind > 2)
            return false;
    }
    return true;
}

// Every field of every slot, used or not (memcmp would read the padding).
bool sameDrawing(const rho::SetDrawing& a, const rho::SetDrawing& b) {
    if (a.count != b.count) return false;
    for (int j = 0; j < rho::kSetDrawingObjects; ++j) {
        const rho::SetObject& p = a.objects[j];
        const rho::SetObject& q = b.objects[j];
        if (p.objectKind != q.objectKind || p.lastPoint != q.lastPoint || p.lineColor != q.lineColor ||
            p.fillColor != q.fillColor)
            return false;
        for (int k = 0; k < rho::kSetObjectPoints; ++k)
            if (std::memcmp(&p.points[k], &q.points[k], sizeof p.points[k]) != 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static rho::SetDesign design;
    static rho::SetDesign before;
    // Start from a design that holds something, so that a refused text has
    // something to spoil.
    design = rho::SetDesign{};
    design.small.count = 1;
    design.small.objects[0].points[1] = {10.0, -5.5};
    design.large.count = 2;
    design.large.objects[1].objectKind = 2;
    before = design;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (rho::parseSetText(text, design) != rho::SetParse::Ok) {
        require(sameDrawing(design.small, before.small) && sameDrawing(design.large, before.large));
        return 0;
    }
    require(withinLimits(design.small) && withinLimits(design.large));

    const std::string first = rho::setFileText(design);
    require(rho::parseSetText(first, design) == rho::SetParse::Ok);
    require(rho::setFileText(design) == first);
    return 0;
}

// Feeds arbitrary bytes to the tiling reader. Checks, beyond the sanitizers:
// a refused file leaves the document as it was and shows one message; an
// accepted file keeps its counts within the tables, and writing it and
// reading that text back gives the same text again.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "edit/Creation.h"
#include "edit/QuietShell.h"
#include "io/TilingFile.h"
#include "tiling/Tiling.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static rho::QuietShell shell;
    static std::unique_ptr<rho::Tiling> tiling = rho::createTiling(shell);
    rho::Tiling& t = *tiling;

    // Start from a document that holds something, so that a refused file
    // has something it must keep.
    t.shapeLast = 0;
    t.shapes[0] = rho::TileShape{12.5, -7.0, 1, 3, -4};
    t.contourLast = -1;
    const std::string before = rho::tilingText(t);

    shell.messages.clear();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool ok = rho::readTilingText(t, shell, text);
    if (!ok) {
        require(rho::tilingText(t) == before);
        require(shell.messages.size() == 1);
        return 0;
    }
    require(shell.messages.empty());
    require(t.shapeLast >= -1 && t.shapeLast < rho::kMaxShapes);
    require(t.contourLast >= -1 && t.contourLast < rho::kMaxContour);
    require(t.statusText == "idle");

    const std::string first = rho::tilingText(t);
    require(rho::readTilingText(t, shell, first));
    require(rho::tilingText(t) == first);
    return 0;
}

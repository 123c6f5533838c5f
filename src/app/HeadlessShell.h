#pragma once
// The shell of the command-line tool: a quiet shell whose bitmaps are real
// pixels in memory, saved in a chosen format.

#include <string>

#include "edit/QuietShell.h"

namespace rho {

class HeadlessShell : public QuietShell {
public:
    // Format the offscreen bitmaps are saved in ("BMP" or "PNG").
    std::string bitmapFormat = "BMP";

    std::unique_ptr<OffscreenBitmap> createBitmap(int width, int height) override;
};

}  // namespace rho

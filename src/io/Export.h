#pragma once
// "export tile...": a PostScript document of every shape, a Windows bitmap
// of the bounding box's part of the view, or the byte-array entry, which
// writes nothing.

#include <memory>
#include <string>

namespace rho {

struct Tiling;
class Shell;
class OffscreenBitmap;

// The PostScript document: prologue with the /small and /large procedures,
// one gsave/translate/rotate/grestore block per shape, "showpage".
std::string postScriptText(const Tiling& t, Shell* progress = nullptr);

// Writes the PostScript document to `path` (in full or not at all).
bool writePostScript(Tiling& t, Shell& shell, const std::string& path);

enum class BitmapResult { Written, TooLarge, WriteFailed };

// Pixel rectangle of the bounding box under the current view, as doubles.
struct BitmapArea {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width() const { return static_cast<int>(x2 - x1); }
    int height() const { return static_cast<int>(y2 - y1); }
};
BitmapArea bitmapArea(const Tiling& t);

// Renders the bounding box's part of the view into an offscreen bitmap and
// saves it as a Windows bitmap (in full or not at all). TooLarge when the
// picture is wider or higher than five screens, has no pixels at all or is
// not finite; nothing is written or shown then. WriteFailed after the
// messages of a failed save ("Can not create file", "Error writing file");
// the previous file stays as it was.
BitmapResult renderBitmap(Tiling& t, Shell& shell, const std::string& path);
// Draws the bounding box's part of the view into a new offscreen bitmap,
// without saving it; null when the picture does not fit or cannot be made.
std::unique_ptr<OffscreenBitmap> drawBitmap(Tiling& t, Shell& shell);
// True when the bitmap was written; shows what renderBitmap shows.
bool writeBitmap(Tiling& t, Shell& shell, const std::string& path);

// Writes nothing and succeeds.
bool writeRaw(Tiling& t, Shell& shell, const std::string& path);

void exporttile1Click(Tiling& t, Shell& shell);

}  // namespace rho

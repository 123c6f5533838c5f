#pragma once
// The README's picture of the editor at work, drawn by the editor itself:
// a quasitiler patch coloured "by angle" in the main window, with the tool
// palette (colorize tool chosen, so its swatches show) beside it, both on a
// neutral background. Run under the offscreen platform by
// scripts/make-screenshot.

#include <QImage>
#include <QStringList>

namespace rho {

// The picture's layout, which the test of the script checks against.
struct ScreenshotLayout {
    static constexpr int kMargin = 16;          // background around and between the windows
    static constexpr int kWindowWidth = 720;    // the main window, menu bar included
    static constexpr int kWindowHeight = 600;
    static constexpr int kPaletteTop = 60;      // the palette's top below the main window's
    static constexpr int kRadius = 12;          // the quasitiler's radius
    static constexpr QRgb kBackground = 0xffd4d7dc;
    static constexpr QRgb kFrame = 0xff8a8f99;  // one pixel around each window
};

// Runs the commands on a fresh main window and draws the picture.
QImage drawScreenshot(int radius);

// rho --screenshot FILE.png [RADIUS]: writes the picture; 0 on success, 1
// when the file cannot be written, 2 on a usage error.
int writeScreenshot(const QStringList& args);

}  // namespace rho

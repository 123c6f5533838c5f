#pragma once
// The pictures the program draws for itself: the glyphs of the main
// window's speed buttons and the application icon.

#include <QIcon>
#include <QImage>
#include <QString>
#include <functional>

class QPainter;

namespace rho {

// An icon `size` pixels square that `draw` paints (antialiased) in those
// pixels, with a pixmap for device pixel ratio 1, for 2 and for the screens
// in use, so that its edges stay sharp on high-density screens.
QIcon paintedIcon(int size, const std::function<void(QPainter&)>& draw);

// Glyph of the speed button with this hint ("new tile", "open", ...); a
// blank glyph for an unknown hint.
QIcon speedButtonGlyph(const QString& hint);

// The application icon: a thick and a thin rhomb side by side, `size`
// pixels square, transparent around them.
QImage applicationIcon(int size);

}  // namespace rho

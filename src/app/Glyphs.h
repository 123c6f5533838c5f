#pragma once
// The pictures the program draws for itself: the glyphs of the main
// window's speed buttons and the application icon.

#include <QIcon>
#include <QImage>
#include <QString>

namespace rho {

// Glyph of the speed button with this hint ("new tile", "open", ...); a
// blank glyph for an unknown hint.
QIcon speedButtonGlyph(const QString& hint);

// The application icon: a thick and a thin rhomb side by side, `size`
// pixels square, transparent around them.
QImage applicationIcon(int size);

}  // namespace rho

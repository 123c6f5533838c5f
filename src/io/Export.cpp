#include "io/Export.h"

#include <charconv>
#include <cstdio>
#include <memory>

#include "edit/StatusLine.h"
#include "geometry/MatrixStack.h"
#include "io/FileOutput.h"
#include "io/TilingFile.h"
#include "render/CornerPixels.h"
#include "render/Renderer.h"
#include "render/Surface.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Six decimals in fixed notation, as "%lf" writes them, whatever the locale.
void appendReal(std::string& out, double value) {
    char buffer[kMaxRealLength];
    out.append(buffer, formatReal(buffer, value));
}

void appendProcedure(std::string& out, const char* name, const ShapeTemplate& tpl) {
    out += "/";
    out += name;
    out += "{\n    1.0 setlinewidth\n    newpath\n    moveto\n";
    for (int j = 0; j < 4; ++j) {
        out += "    ";
        appendReal(out, tpl.corners[j].x);
        out += ' ';
        appendReal(out, tpl.corners[j].y);
        out += j == 0 ? " moveto\n" : " lineto\n";
    }
    out += "    closepath\n    stroke\n} def\n\n";
}

}  // namespace

std::string postScriptText(const Tiling& t, Shell* progress) {
    std::string out;
    out.reserve(static_cast<size_t>(t.shapeLast + 1) * 96 + 1024);
    out += "%!\n%% RHO 2.0 generated PostScript document\n\n";
    appendProcedure(out, "small", t.smallTemplate);
    appendProcedure(out, "large", t.largeTemplate);
    if (progress) progress->setProgressRange(0, t.shapeLast);
    for (int i = 0; i <= t.shapeLast; ++i) {
        if (progress) progress->setProgressPosition(i);
        const TileShape& s = t.shapes[i];
        out += "gsave\n    ";
        appendReal(out, s.x);
        out += ' ';
        appendReal(out, s.y);
        out += " translate\n    ";
        char degrees[16];
        out.append(degrees, std::to_chars(degrees, degrees + sizeof degrees, s.angle * 36).ptr);
        out += s.kind == kSmallShape ? " rotate\n    0 0 small\ngrestore\n\n" : " rotate\n    0 0 large\ngrestore\n\n";
    }
    out += "showpage\n";
    return out;
}

bool writePostScript(Tiling& t, Shell& shell, const std::string& path) {
    announce(t, shell, "saving PostScript document");
    AtomicFile file;
    if (!openForSaving(file, shell, path)) return false;
    const std::string text = postScriptText(t, &shell);
    shell.setProgressPosition(0);
    if (!finishSaving(file, shell, text)) return false;
    announce(t, shell, "idle");
    return true;
}

BitmapArea bitmapArea(const Tiling& t) {
    BitmapArea a;
    const MatrixStack& ms = matrixStack();
    ms.transformPoint(t.box.x, t.box.y, a.x1, a.y1);
    ms.transformPoint(t.box.x + t.box.w, t.box.y + t.box.h, a.x2, a.y2);
    return a;
}

namespace {

// Five screens bound the memory; a box without a single pixel has no
// picture. Both are decided on the doubles, so that a box that is not
// finite or lies far out never reaches the conversion to whole pixels.
bool pictureFits(const BitmapArea& area, const Shell& shell) {
    const double w = area.x2 - area.x1;
    const double h = area.y2 - area.y1;
    return w >= 1.0 && w <= 5.0 * shell.screenWidth() && h >= 1.0 && h <= 5.0 * shell.screenHeight();
}

}  // namespace

std::unique_ptr<OffscreenBitmap> drawBitmap(Tiling& t, Shell& shell) {
    const BitmapArea area = bitmapArea(t);
    if (!pictureFits(area, shell)) return nullptr;
    const int width = area.width();
    const int height = area.height();
    std::unique_ptr<OffscreenBitmap> bitmap = shell.createBitmap(width, height);
    if (!bitmap) return nullptr;

    Surface& surface = bitmap->surface();
    surface.setStrokeColor(0xffffff);
    surface.setBrushColor(t.antialiased == 1 ? 0xffffff : t.palette[2]);
    surface.rectangle(-1, -1, width + 1, height + 1);

    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.translate(-area.x1, -area.y1, 0.0);
    ms.translate(t.viewOriginX, t.viewOriginY, 0.0);
    ms.scale(t.zoom, t.zoom, 1.0);
    const int cull = t.decoration == 0 ? 1 : 0;
    const CornerPixels mapper(t);
    for (int i = 0; i <= t.shapeLast; ++i)
        drawShapeBody(t, surface, t.shapes[i], kNormal, cull * width, cull * height, &mapper);
    ms.popMatrix();
    return bitmap;
}

BitmapResult renderBitmap(Tiling& t, Shell& shell, const std::string& path) {
    if (!pictureFits(bitmapArea(t), shell)) return BitmapResult::TooLarge;
    // A target that cannot be written is refused before any drawing.
    AtomicFile file;
    if (!openForSaving(file, shell, path)) return BitmapResult::WriteFailed;
    std::unique_ptr<OffscreenBitmap> bitmap = drawBitmap(t, shell);
    if (!bitmap) {
        file.discard();
        return BitmapResult::TooLarge;
    }
    // The picture is encoded in memory and saved like every other file.
    std::string bytes;
    if (!bitmap->encode(bytes)) file.discard();
    bitmap.reset();
    return finishSaving(file, shell, bytes) ? BitmapResult::Written : BitmapResult::WriteFailed;
}

bool writeBitmap(Tiling& t, Shell& shell, const std::string& path) {
    return renderBitmap(t, shell, path) == BitmapResult::Written;
}

bool writeRaw(Tiling&, Shell&, const std::string&) { return true; }

void exporttile1Click(Tiling& t, Shell& shell) {
    FileDialogRequest request;
    request.title = "export tile as";
    request.filter = "PostScript (*.ps)|*.ps|Windows bitmap (*.bmp)|*.bmp|byte array (*.raw)|*.raw";
    request.confirmOverwrite = true;
    const auto choice = shell.saveFileDialog(request);
    if (!choice) return;
    switch (choice->filterIndex) {
    case 1: writePostScript(t, shell, choice->path); break;
    case 2: {
        if (renderBitmap(t, shell, choice->path) == BitmapResult::TooLarge)
            shell.messageBox("Out of memory. Can not render bitmap.", Buttons::Ok);
        break;
    }
    case 3: writeRaw(t, shell, choice->path); break;
    default: break;
    }
}

}  // namespace rho

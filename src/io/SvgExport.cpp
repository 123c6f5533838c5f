#include "io/SvgExport.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "geometry/Geometry.h"
#include "io/FileOutput.h"
#include "io/TilingFile.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Six decimals in fixed notation, as "%lf" writes them, whatever the locale.
void appendNumber(std::string& out, double value) {
    char buffer[kMaxRealLength];
    out.append(buffer, formatReal(buffer, value));
}

// ` name="value"` with the value as a number.
void appendAttribute(std::string& out, const char* name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

void appendColour(std::string& out, Color c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
    out += buffer;
}

}  // namespace

std::string svgText(Tiling& t, const BoundingBox& box) {
    std::string out;
    out.reserve(static_cast<size_t>(t.shapeLast + 1) * 160 + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"";
    appendNumber(out, box.x);
    out += ' ';
    appendNumber(out, box.y);
    out += ' ';
    appendNumber(out, box.w);
    out += ' ';
    appendNumber(out, box.h);
    out += "\">\n";
    out += "<defs><pattern id=\"hatch\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
           "<path d=\"M0,0 L8,8 M8,0 L0,8\" stroke=\"#000000\" stroke-width=\"0.5\"/></pattern></defs>\n";
    out += "<rect";
    appendAttribute(out, "x", box.x);
    appendAttribute(out, "y", box.y);
    appendAttribute(out, "width", box.w);
    appendAttribute(out, "height", box.h);
    out += " fill=\"";
    appendColour(out, t.palette[2]);
    out += "\"/>\n<g stroke=\"#000000\" stroke-width=\"1\" stroke-linejoin=\"miter\">\n";
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& s = t.shapes[i];
        computeCorners(t, s);
        std::string points;
        for (int j = 0; j < 4; ++j) {
            if (j) points += ' ';
            appendNumber(points, t.cornerBuffer[j].x);
            points += ',';
            appendNumber(points, t.cornerBuffer[j].y);
        }
        const long long index = s.color < 0 ? -static_cast<long long>(s.color) : s.color;
        out += "<polygon points=\"" + points + "\" fill=\"";
        appendColour(out, index < kPaletteSize ? t.palette[index] : 0);
        out += "\"/>\n";
        if (s.color < 0) out += "<polygon points=\"" + points + "\" fill=\"url(#hatch)\"/>\n";
    }
    out += "</g>\n</svg>\n";
    return out;
}

bool writeSvg(Tiling& t, Shell& shell, const BoundingBox& box, const std::string& path) {
    // A view box must be finite and have a positive width and height.
    if (!(std::isfinite(box.x) && std::isfinite(box.y) && box.w > 0 && box.h > 0 && std::isfinite(box.w) &&
          std::isfinite(box.h)))
        return false;
    AtomicFile file;
    return openForSaving(file, shell, path) && finishSaving(file, shell, svgText(t, box));
}

}  // namespace rho

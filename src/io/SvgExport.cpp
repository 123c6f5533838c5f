#include "io/SvgExport.h"

#include <algorithm>
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

void appendPoints(std::string& out, const SetPoint* points, int count) {
    out += " points=\"";
    for (int k = 0; k < count; ++k) {
        if (k) out += ' ';
        appendNumber(out, points[k].x);
        out += ',';
        appendNumber(out, points[k].y);
    }
    out += '"';
}

// One drawing of the set as a group in the rhomb's own frame. With
// antialiased lines the picture is black lines over white, as on the screen.
void appendDrawing(std::string& out, const char* id, const SetDrawing& drawing, bool antialiased) {
    out += "<g id=\"";
    out += id;
    out += "\" stroke-width=\"1\">";
    const int count = std::clamp(drawing.count, 0, kSetDrawingObjects);
    for (int j = 0; j < count; ++j) {
        const SetObject& o = drawing.objects[j];
        const bool polygon = o.objectKind == 2;
        // A line uses points 0 and 1 whatever its last point says.
        const int points = o.objectKind == 0 ? 2 : std::clamp(o.lastPoint, 0, kSetObjectPoints - 1) + 1;
        out += polygon ? "<polygon" : "<polyline";
        appendPoints(out, o.points, points);
        out += " fill=\"";
        if (!polygon) out += "none";
        else if (antialiased) out += "#ffffff";
        else appendColour(out, o.fillColor);
        // A self-crossing polygon leaves its inner parts empty, as every
        // other surface fills it (SVG's own default rule would fill them).
        if (polygon) out += "\" fill-rule=\"evenodd";
        out += "\" stroke=\"";
        appendColour(out, antialiased ? 0 : o.lineColor);
        out += "\"/>";
    }
    out += "</g>";
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
    const bool decorated = t.decoration == 1;
    const bool antialiased = t.antialiased == 1;
    out += "<defs><pattern id=\"hatch\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
           "<path d=\"M0,0 L8,8 M8,0 L0,8\" stroke=\"#000000\" stroke-width=\"0.5\"/></pattern>";
    if (decorated) {
        appendDrawing(out, "set-small", t.set.small, antialiased);
        appendDrawing(out, "set-large", t.set.large, antialiased);
    }
    out += "</defs>\n";
    out += "<rect";
    appendAttribute(out, "x", box.x);
    appendAttribute(out, "y", box.y);
    appendAttribute(out, "width", box.w);
    appendAttribute(out, "height", box.h);
    out += " fill=\"";
    appendColour(out, antialiased ? 0xffffff : t.palette[2]);
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
        if (decorated) {
            out += s.kind == kSmallShape ? "<use href=\"#set-small\"" : "<use href=\"#set-large\"";
            out += " transform=\"translate(";
            appendNumber(out, s.x);
            out += ' ';
            appendNumber(out, s.y);
            out += ") rotate(";
            appendNumber(out, s.angle * 36.0);
            out += ")\"/>\n";
        } else {
            const long long index = s.color < 0 ? -static_cast<long long>(s.color) : s.color;
            out += "<polygon points=\"" + points + "\" fill=\"";
            appendColour(out, index < kPaletteSize ? t.palette[index] : 0);
            out += "\"/>\n";
            if (s.color < 0) out += "<polygon points=\"" + points + "\" fill=\"url(#hatch)\"/>\n";
        }
        if (t.outline == 1) out += "<polygon points=\"" + points + "\" fill=\"none\" stroke=\"#0000ff\"/>\n";
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

#include "io/TilingFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "edit/StatusLine.h"
#include "io/FileOutput.h"
#include "render/Renderer.h"
#include "tiling/Shell.h"

namespace rho {

char* formatReal(char* first, double value) {
    // to_chars with a precision follows printf's rounding and sign rules
    // and never looks at the locale.
    return std::to_chars(first, first + kMaxRealLength, value, std::chars_format::fixed, 6).ptr;
}

char* formatInt(char* first, int32_t value) {
    return std::to_chars(first, first + kMaxIntLength, value).ptr;
}

namespace {

// ---------------------------------------------------------------- writing

constexpr std::size_t kShapeLineMax = 2 * (kMaxRealLength + 1) + 3 * (kMaxIntLength + 1);
constexpr std::size_t kContourLineMax = 2 * (kMaxRealLength + 1) + kSectorBytes * 4 + 1;

std::size_t textCapacity(const Tiling& t) {
    return 2 * (kMaxIntLength + 1) + (kMaxIntLength + 1) +
           static_cast<std::size_t>(std::max(0, t.shapeCount())) * kShapeLineMax +
           static_cast<std::size_t>(std::max(0, t.contourCount())) * kContourLineMax;
}

// Formats the whole file into `out` (at least textCapacity(t) bytes) and
// returns its length. Drives the progress bar when `progress` is given.
std::size_t formatTables(const Tiling& t, Shell* progress, char* out) {
    char* p = out;
    p = formatInt(p, kTilingVersion);
    *p++ = '\n';
    p = formatInt(p, t.shapeLast);
    *p++ = '\n';
    if (progress) progress->setProgressRange(0, t.shapeLast);
    for (int i = 0; i <= t.shapeLast; ++i) {
        if (progress) progress->setProgressPosition(i);
        const TileShape& s = t.shapes[i];
        p = formatReal(p, s.x);
        *p++ = ' ';
        p = formatReal(p, s.y);
        *p++ = ' ';
        p = formatInt(p, s.kind);
        *p++ = ' ';
        p = formatInt(p, s.angle);
        *p++ = ' ';
        p = formatInt(p, s.color);
        *p++ = '\n';
    }
    p = formatInt(p, t.contourLast);
    *p++ = '\n';
    if (progress) progress->setProgressRange(0, t.contourLast);
    for (int i = 0; i <= t.contourLast; ++i) {
        if (progress) progress->setProgressPosition(i);
        const ContourVertex& v = t.contour[i];
        p = formatReal(p, v.x);
        *p++ = ' ';
        p = formatReal(p, v.y);
        *p++ = ' ';
        for (int k = 0; k < kSectorBytes; ++k) {
            p = formatInt(p, v.sectors[k]);
            *p++ = ' ';
        }
        *p++ = '\n';
    }
    return static_cast<std::size_t>(p - out);
}

// ---------------------------------------------------------------- reading

// Values no tiling can hold: every later stage (corners, drawing, export)
// relies on these ranges. Reals are checked finite as they are read.
bool fieldsInRange(const TileShape& s) {
    return (s.kind == kSmallShape || s.kind == kLargeShape) && s.angle >= 0 && s.angle <= 9 && s.color != 0 &&
           s.color >= -(kPaletteSize - 1) && s.color <= kPaletteSize - 1;
}

// The tables of a file being read; kept apart from the document until the
// whole file has been accepted, so that a refused file leaves the document
// exactly as it was. One GUI thread reads files, one at a time.
TilingTables scratch;

}  // namespace

bool parseTilingText(std::string_view text, TilingTables& out, Shell* progress) {
    NumberCursor in(text);
    int32_t version = 0;
    if (!in.readInt(version) || version != kTilingVersion) return false;

    if (!in.readInt(out.shapeLast) || out.shapeLast < -1 || out.shapeLast >= kMaxShapes) return false;
    if (progress) progress->setProgressRange(0, out.shapeLast);
    for (int i = 0; i <= out.shapeLast; ++i) {
        if (progress) progress->setProgressPosition(i);
        TileShape& s = out.shapes[i];
        if (!in.readReal(s.x) || !in.readReal(s.y) || !in.readInt(s.kind) || !in.readInt(s.angle) ||
            !in.readInt(s.color))
            return false;
        if (!fieldsInRange(s)) return false;
    }

    if (!in.readInt(out.contourLast) || out.contourLast < -1 || out.contourLast >= kMaxContour) return false;
    if (progress) progress->setProgressRange(0, out.contourLast);
    for (int i = 0; i <= out.contourLast; ++i) {
        if (progress) progress->setProgressPosition(i);
        ContourVertex& v = out.contour[i];
        if (!in.readReal(v.x) || !in.readReal(v.y)) return false;
        for (int k = 0; k < kSectorBytes; ++k) {
            int32_t sector = 0;
            if (!in.readInt(sector) || sector < 0 || sector > 255) return false;
            v.sectors[k] = static_cast<uint8_t>(sector);
        }
    }
    return in.atEnd();
}

bool readableTables(const Tiling& t) {
    if (t.shapeLast < -1 || t.shapeLast >= kMaxShapes || t.contourLast < -1 || t.contourLast >= kMaxContour)
        return false;
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& s = t.shapes[i];
        if (!std::isfinite(s.x) || !std::isfinite(s.y) || !fieldsInRange(s)) return false;
    }
    for (int i = 0; i <= t.contourLast; ++i)
        if (!std::isfinite(t.contour[i].x) || !std::isfinite(t.contour[i].y)) return false;
    return true;
}

std::string tilingText(const Tiling& t) {
    std::unique_ptr<char[]> buffer(new char[textCapacity(t)]);
    return std::string(buffer.get(), formatTables(t, nullptr, buffer.get()));
}

bool writeTiling(Tiling& t, Shell& shell, const std::string& path) {
    announce(t, shell, "saving file");
    if (!readableTables(t)) {
        shell.messageBox("Error writing file", Buttons::OkCancel);
        return false;
    }

    AtomicFile file;
    if (!openForSaving(file, shell, path)) return false;

    std::unique_ptr<char[]> buffer(new (std::nothrow) char[textCapacity(t)]);
    const std::size_t size = buffer ? formatTables(t, &shell, buffer.get()) : 0;
    shell.setProgressPosition(0);

    // The previous file is replaced only when every byte reached the disk
    // without an error; otherwise it stays as it was and the new one goes.
    if (!buffer) file.discard();
    if (!finishSaving(file, shell, std::string_view(buffer.get(), size))) return false;

    t.statusText = "idle";
    refreshStatusLine(t, shell);
    return true;
}

bool readTilingText(Tiling& t, Shell& shell, std::string_view text) {
    // A refused file never reaches the document: its tables, and with them
    // the work the user still has to save, stay as they were.
    const bool ok = parseTilingText(text, scratch, &shell);
    if (ok) {
        t.shapeLast = scratch.shapeLast;
        t.contourLast = scratch.contourLast;
        std::copy_n(scratch.shapes, scratch.shapeLast + 1, t.shapes);
        std::copy_n(scratch.contour, scratch.contourLast + 1, t.contour);
    }
    t.statusText = "idle";
    shell.setProgressPosition(0);
    refreshStatusLine(t, shell);
    if (ok) redrawView(t, shell);
    if (!ok) shell.messageBox("Error reading file", Buttons::OkCancel);
    return ok;
}

bool readTiling(Tiling& t, Shell& shell, const std::string& path, FileSource source) {
    announce(t, shell, "opening file");
    std::string data;
    switch (loadWholeFile(path, kMaxTilingFileBytes, data, source)) {
    case FileLoad::CannotOpen:
        shell.messageBox("Can not open file", Buttons::OkCancel);
        shell.messageBox("Error reading file", Buttons::OkCancel);
        return false;
    case FileLoad::Unreadable:
        return readTilingText(t, shell, std::string_view{});  // refused like an empty file
    case FileLoad::Loaded:
        break;
    }
    return readTilingText(t, shell, data);
}

}  // namespace rho

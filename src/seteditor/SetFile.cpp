#include "seteditor/SetFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <memory>

#include "io/AtomicFile.h"
#include "io/TextInput.h"
#include "tiling/Shell.h"

namespace rho {

namespace {

// ---------------------------------------------------------------- writing

void appendInt(std::string& out, long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Fixed notation, six decimals, as "%lf" writes it, whatever the locale.
void appendReal(std::string& out, double value) {
    char buffer[400];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr);
}

void appendTriple(std::string& out, uint32_t color) {
    appendInt(out, color & 0xff);
    out += '-';
    appendInt(out, (color >> 8) & 0xff);
    out += '-';
    appendInt(out, (color >> 16) & 0xff);
}

// A design that broke its limits is written within them, so that the file
// can always be read back.
int objectCount(const SetDrawing& d) { return std::clamp(d.count, 0, kSetDrawingObjects); }
int lastPointWritten(const SetObject& o) { return std::clamp(o.lastPoint, 0, kSetObjectPoints - 1); }

void appendObject(std::string& out, const SetObject& o) {
    const int last = lastPointWritten(o);
    appendInt(out, last);
    out += ' ';
    appendInt(out, o.objectKind);
    out += '\n';
    appendTriple(out, o.fillColor);
    out += ' ';
    appendTriple(out, o.lineColor);
    out += '\n';
    for (int k = 0; k <= last; ++k) {
        appendReal(out, o.points[k].x);
        out += ' ';
        appendReal(out, o.points[k].y);
        out += ' ';
    }
    out += '\n';
}

// ---------------------------------------------------------------- reading

// Three integers joined by hyphens, "r-g-b", as 0x00BBGGRR, each number
// reduced to its low byte.
bool readTriple(NumberCursor& in, uint32_t& color) {
    int32_t r = 0, g = 0, b = 0;
    if (!in.readIntPart(r) || !in.take('-') || !in.readIntPart(g) || !in.take('-') || !in.readIntPart(b) ||
        !in.atBoundary())
        return false;
    color = static_cast<uint32_t>(r & 0xff) | static_cast<uint32_t>(g & 0xff) << 8 |
            static_cast<uint32_t>(b & 0xff) << 16;
    return true;
}

bool parseObject(NumberCursor& in, SetObject& o) {
    if (!in.readInt(o.lastPoint) || !in.readInt(o.objectKind)) return false;
    if (o.lastPoint < 0 || o.lastPoint >= kSetObjectPoints || o.objectKind < 0 || o.objectKind > 2) return false;
    if (!readTriple(in, o.fillColor) || !readTriple(in, o.lineColor)) return false;
    for (int k = 0; k <= o.lastPoint; ++k)
        if (!in.readReal(o.points[k].x) || !in.readReal(o.points[k].y)) return false;
    return true;
}

}  // namespace

bool readableDesign(const SetDesign& design) {
    for (const SetDrawing* d : {&design.small, &design.large})
        for (int j = 0; j < objectCount(*d); ++j) {
            const SetObject& o = d->objects[j];
            if (o.objectKind < 0 || o.objectKind > 2) return false;
            for (int k = 0; k <= lastPointWritten(o); ++k)
                if (!std::isfinite(o.points[k].x) || !std::isfinite(o.points[k].y)) return false;
        }
    return true;
}

std::string setFileText(const SetDesign& design) {
    std::string out;
    appendInt(out, kSetFileMagic);
    out += '\n';
    appendInt(out, objectCount(design.small));
    out += ' ';
    appendInt(out, objectCount(design.large));
    out += '\n';
    for (const SetDrawing* d : {&design.small, &design.large})
        for (int j = 0; j < objectCount(*d); ++j) appendObject(out, d->objects[j]);
    return out;
}

SetParse parseSetText(std::string_view text, SetDesign& out) {
    NumberCursor in(text);
    int32_t magic = 0, small = 0, large = 0;
    if (!in.readInt(magic) || magic != kSetFileMagic) return SetParse::BadHeader;
    if (!in.readInt(small) || !in.readInt(large)) return SetParse::BadHeader;
    if (small < 0 || small > kSetDrawingObjects || large < 0 || large > kSetDrawingObjects) return SetParse::Malformed;

    // Read into a copy, so that a refused file leaves `out` as it was; slots
    // past the new counts keep what they held.
    auto scratch = std::make_unique<SetDesign>(out);
    scratch->small.count = small;
    scratch->large.count = large;
    for (SetDrawing* d : {&scratch->small, &scratch->large})
        for (int j = 0; j < d->count; ++j)
            if (!parseObject(in, d->objects[j])) return SetParse::Malformed;
    // Whatever follows the counted objects is not read: lowering a count by
    // hand hides the last objects of a drawing without deleting their text.
    out = *scratch;
    return SetParse::Ok;
}

bool writeSet(const SetDesign& design, const std::string& path, Shell& shell) {
    if (!readableDesign(design)) return false;
    AtomicFile file;
    if (!file.open(path)) {
        shell.messageBox("Can not create file", Buttons::OkCancel);
        return false;
    }
    // The previous file is replaced only when every byte was written; the
    // save commands report a failure here with "Error writing file".
    return file.write(setFileText(design)) && file.commit();
}

bool readSet(SetDesign& design, const std::string& path, Shell& shell, FileSource source) {
    std::string text;
    switch (loadWholeFile(path, kMaxSetFileBytes, text, source)) {
    case FileLoad::CannotOpen:
        shell.messageBox("Can not open file", Buttons::OkCancel);
        return false;
    case FileLoad::Unreadable:
        shell.messageBox("Error reading file", Buttons::OkCancel);
        return false;
    case FileLoad::Loaded:
        break;
    }
    switch (parseSetText(text, design)) {
    case SetParse::Ok:
        return true;
    case SetParse::BadHeader:
        return false;
    case SetParse::Malformed:
        break;
    }
    shell.messageBox("Error reading file", Buttons::OkCancel);
    return false;
}

}  // namespace rho

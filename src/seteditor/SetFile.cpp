#include "seteditor/SetFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>

#include "io/AtomicFile.h"
#include "tiling/Shell.h"

namespace rho {

namespace {

// Larger files are refused: the longest text the writer can produce (every
// coordinate near the limit of a double) is about 1.3 MB.
constexpr std::size_t kMaxSetFileBytes = std::size_t{4} << 20;

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

void appendObject(std::string& out, const SetObject& o) {
    const int last = std::clamp(o.lastPoint, 0, kSetObjectPoints - 1);
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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads numbers from the text the way the file's scanf formats do: white
// space before every number is skipped; a number ends at white space, or
// at the hyphen of a colour triple.
class Cursor {
public:
    explicit Cursor(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    // An integer that must end at white space or at the end of the text.
    bool field(int32_t& value) { return number(value) && (p_ == end_ || isBlank(*p_)); }

    // Three integers joined by hyphens: "r-g-b", as 0x00BBGGRR, each
    // number reduced to its low byte.
    bool triple(uint32_t& color) {
        int32_t r = 0, g = 0, b = 0;
        if (!number(r) || !hyphen() || !number(g) || !hyphen() || !number(b)) return false;
        if (p_ != end_ && !isBlank(*p_)) return false;
        color = static_cast<uint32_t>(r & 0xff) | static_cast<uint32_t>(g & 0xff) << 8 |
                static_cast<uint32_t>(b & 0xff) << 16;
        return true;
    }

    bool real(double& value) {
        if (!start()) return false;
        if (*p_ == '+' && p_ + 1 < end_ && p_[1] != '-' && p_[1] != '+') ++p_;
        const auto r = std::from_chars(p_, end_, value, std::chars_format::general);
        if (r.ec != std::errc{} || (r.ptr != end_ && !isBlank(*r.ptr)) || !std::isfinite(value)) return false;
        p_ = r.ptr;
        return true;
    }

    bool atEnd() {
        skipBlanks();
        return p_ == end_;
    }

private:
    void skipBlanks() {
        while (p_ != end_ && isBlank(*p_)) ++p_;
    }
    bool start() {
        skipBlanks();
        return p_ != end_;
    }
    bool number(int32_t& value) {
        if (!start()) return false;
        if (*p_ == '+' && p_ + 1 < end_ && p_[1] >= '0' && p_[1] <= '9') ++p_;
        const auto r = std::from_chars(p_, end_, value);
        if (r.ec != std::errc{}) return false;
        p_ = r.ptr;
        return true;
    }
    bool hyphen() {
        if (p_ == end_ || *p_ != '-') return false;
        ++p_;
        return true;
    }

    const char* p_;
    const char* end_;
};

bool parseObject(Cursor& in, SetObject& o) {
    if (!in.field(o.lastPoint) || !in.field(o.objectKind)) return false;
    if (o.lastPoint < 0 || o.lastPoint >= kSetObjectPoints || o.objectKind < 0 || o.objectKind > 2) return false;
    if (!in.triple(o.fillColor) || !in.triple(o.lineColor)) return false;
    for (int k = 0; k <= o.lastPoint; ++k)
        if (!in.real(o.points[k].x) || !in.real(o.points[k].y)) return false;
    return true;
}

enum class Load { Loaded, CannotOpen, Unreadable };

Load loadFile(const std::string& path, std::string& text) {
    // Non-blocking, so that a pipe without a writer is refused rather than
    // hanging the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Load::CannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Load::CannotOpen;
    }
    Load result = Load::Loaded;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result = Load::Unreadable;
            break;
        }
        if (n == 0) break;
        text.append(chunk, static_cast<std::size_t>(n));
        if (text.size() > kMaxSetFileBytes) {
            result = Load::Unreadable;
            break;
        }
    }
    ::close(fd);
    return result;
}

}  // namespace

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
    Cursor in(text);
    int32_t magic = 0, small = 0, large = 0;
    if (!in.field(magic) || magic != kSetFileMagic) return SetParse::BadHeader;
    if (!in.field(small) || !in.field(large)) return SetParse::BadHeader;
    if (small < 0 || small > kSetDrawingObjects || large < 0 || large > kSetDrawingObjects) return SetParse::Malformed;

    // Read into a copy, so that a refused file leaves `out` as it was; slots
    // past the new counts keep what they held.
    auto scratch = std::make_unique<SetDesign>(out);
    scratch->small.count = small;
    scratch->large.count = large;
    for (SetDrawing* d : {&scratch->small, &scratch->large})
        for (int j = 0; j < d->count; ++j)
            if (!parseObject(in, d->objects[j])) return SetParse::Malformed;
    if (!in.atEnd()) return SetParse::Malformed;
    out = *scratch;
    return SetParse::Ok;
}

bool writeSet(const SetDesign& design, const std::string& path, Shell& shell) {
    AtomicFile file;
    if (!file.open(path)) {
        shell.messageBox("Can not create file", Buttons::OkCancel);
        return false;
    }
    // The previous file is replaced only when every byte was written.
    if (!file.write(setFileText(design)) || !file.commit()) {
        shell.messageBox("Error writing file", Buttons::OkCancel);
        return false;
    }
    return true;
}

bool readSet(SetDesign& design, const std::string& path, Shell& shell) {
    std::string text;
    switch (loadFile(path, text)) {
    case Load::CannotOpen:
        shell.messageBox("Can not open file", Buttons::OkCancel);
        return false;
    case Load::Unreadable:
        shell.messageBox("Error reading file", Buttons::OkCancel);
        return false;
    case Load::Loaded:
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

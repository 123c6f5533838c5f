#include "app/RhoTool.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <ostream>
#include <utility>

#include "app/HeadlessShell.h"
#include "app/RhoToolParts.h"
#include "edit/ContourRecalculation.h"
#include "edit/Creation.h"
#include "edit/Placement.h"
#include "generate/PenrosePatchDialog.h"
#include "generate/Quasitiler.h"
#include "generate/QuasitilerDialog.h"
#include "geometry/Geometry.h"
#include "io/Export.h"
#include "io/SvgExport.h"
#include "io/TilingFile.h"
#include "render/View.h"
#include "seteditor/RuleSets.h"
#include "seteditor/SetFile.h"
#include "tiling/Contour.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

using namespace rhotool;

std::string sixDecimals(double v) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.6f", v);
    return buffer;
}

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stod(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && std::isfinite(value);
}

std::string extensionOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Tells what the shell showed, in the editor's own words, on standard error.
void reportMessages(const HeadlessShell& shell, std::ostream& err) {
    for (const std::string& m : shell.messages) err << m << "\n";
}

// The readers refuse a file larger than they take with the bare "Error
// reading file"; for a regular file rhotool adds the reason.
void reportOversized(const std::string& path, std::size_t limit, const char* what, std::ostream& err) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) <= limit)
        return;
    err << "the file is larger than " << limit << " bytes, the most " << what << " may hold\n";
}

}  // namespace

namespace rhotool {

bool parseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

bool load(Session& s, const std::string& path, std::ostream& err) {
    if (readTiling(*s.tiling, s.shell, path, FileSource::AnyStream)) return true;
    err << "rhotool: " << path << ":\n";
    reportMessages(s.shell, err);
    reportOversized(path, kMaxTilingFileBytes, "a tiling file", err);
    return false;
}

bool save(Session& s, const std::string& path, std::ostream& err) {
    s.shell.messages.clear();
    if (writeTiling(*s.tiling, s.shell, path)) return true;
    err << "rhotool: " << path << ":\n";
    reportMessages(s.shell, err);
    return false;
}

int badArgument(std::ostream& err, const std::string& why) {
    err << "rhotool: " << why << "\n" << usage();
    return kBadArgument;
}

}  // namespace rhotool

namespace {

// The radius goes through the dialog's own test, with the dialog's own
// message; true when the dialog generated the patch and closed.
template <class Dialog>
bool generateThroughDialog(Session& s, const std::string& radius) {
    Dialog dialog(*s.tiling, s.shell);
    dialog.editText = radius;
    dialog.Button1Click();
    return dialog.closed;
}

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> a;
    bool penrose = false;
    for (const std::string& arg : args) {
        if (arg == "--penrose")
            penrose = true;
        else
            a.push_back(arg);
    }
    if (a.size() != 3) return badArgument(err, "generate takes RADIUS and OUT.rho [--penrose]");
    Session s;
    const bool made = penrose ? generateThroughDialog<PenrosePatchDialog>(s, a[1])
                              : generateThroughDialog<QuasitilerDialog>(s, a[1]);
    if (!made) {
        reportMessages(s.shell, err);
        err << usage();
        return kBadArgument;
    }
    if (!save(s, a[2], err)) return kFailed;
    out << "shapes:" << s.tiling->shapeCount() << " contour:" << s.tiling->contourCount() << "\n";
    return kDone;
}

int info(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return badArgument(err, "info takes FILE.rho");
    Session s;
    if (!load(s, a[1], err)) return kFailed;
    Tiling& t = *s.tiling;
    int large = 0, small = 0, selected = 0;
    double minX = std::numeric_limits<double>::infinity(), minY = minX;
    double maxX = -minX, maxY = -minX;
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& shape = t.shapes[i];
        (shape.kind == kSmallShape ? small : large) += 1;
        selected += shape.color < 0;
        computeCorners(t, shape);
        for (const Point2& c : t.cornerBuffer) {
            minX = std::min(minX, c.x);
            minY = std::min(minY, c.y);
            maxX = std::max(maxX, c.x);
            maxY = std::max(maxY, c.y);
        }
    }
    out << "shapes:" << t.shapeCount() << " contour:" << t.contourCount() << "\n";
    out << "large: " << large << "\nsmall: " << small << "\nselected: " << selected << "\n";
    if (t.shapeLast < 0)
        out << "bounding box: none\n";
    else
        out << "bounding box: " << sixDecimals(minX) << " " << sixDecimals(minY) << " " << sixDecimals(maxX) << " "
            << sixDecimals(maxY) << "\n";
    return kDone;
}

std::string describe(const ContourVertex& v) {
    std::string text = sixDecimals(v.x) + " " + sixDecimals(v.y) + " sectors";
    for (int k = 0; k < kSectors; ++k) {
        if (!v.sectors[k]) continue;
        text += ' ';
        text += static_cast<char>('0' + k);
    }
    return text;
}

bool sameSectors(const ContourVertex& a, const ContourVertex& b) {
    for (int k = 0; k < kSectors; ++k)
        if (a.sectors[k] != b.sectors[k]) return false;
    return true;
}

int check(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return badArgument(err, "check takes FILE.rho");
    Session s;
    if (!load(s, a[1], err)) return kFailed;
    const Tiling& stored = *s.tiling;
    auto fresh = std::make_unique<Tiling>(stored);
    HeadlessShell quiet;
    recalculateContour(*fresh, quiet);

    int problems = 0;
    for (int i = 0; i <= stored.shapeLast; ++i)
        if ((fresh->shapes[i].color < 0) != (stored.shapes[i].color < 0)) {
            out << "refused shape " << i << ": " << sixDecimals(stored.shapes[i].x) << " "
                << sixDecimals(stored.shapes[i].y) << "\n";
            ++problems;
        }
    std::vector<bool> matched(static_cast<size_t>(fresh->contourLast + 1), false);
    for (int p = 0; p <= stored.contourLast; ++p) {
        const ContourVertex& v = stored.contour[p];
        int found = -1;
        for (int q = 0; q <= fresh->contourLast && found < 0; ++q)
            if (!matched[static_cast<size_t>(q)] && nearWithin5(v.x, v.y, fresh->contour[q].x, fresh->contour[q].y))
                found = q;
        if (found < 0) {
            out << "stored only: " << describe(v) << "\n";
            ++problems;
            continue;
        }
        matched[static_cast<size_t>(found)] = true;
        if (!sameSectors(v, fresh->contour[found])) {
            out << "sectors differ: stored " << describe(v) << ", recalculated " << describe(fresh->contour[found])
                << "\n";
            ++problems;
        }
    }
    for (int q = 0; q <= fresh->contourLast; ++q)
        if (!matched[static_cast<size_t>(q)]) {
            out << "recalculated only: " << describe(fresh->contour[q]) << "\n";
            ++problems;
        }
    if (problems == 0) out << "contour agrees: " << stored.contourCount() << " points\n";
    return problems == 0 ? kDone : kFailed;
}

int attach(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest(a.begin() + 1, a.end());
    std::string output;
    for (size_t i = 0; i < rest.size(); ++i)
        if (rest[i] == "-o") {
            // An empty name would fall back to the input and overwrite it.
            if (i + 1 >= rest.size() || rest[i + 1].empty()) return badArgument(err, "-o needs a file name");
            output = rest[i + 1];
            rest.erase(rest.begin() + static_cast<long>(i), rest.begin() + static_cast<long>(i) + 2);
            break;
        }
    if (rest.size() != 5) return badArgument(err, "attach takes FILE.rho KIND X Y ANGLE [-o OUT.rho]");
    int kind = 0;
    if (rest[1] == "large")
        kind = kLargeShape;
    else if (rest[1] == "small")
        kind = kSmallShape;
    else
        return badArgument(err, "KIND is large or small");
    double x = 0, y = 0;
    int angle = 0;
    if (!parseNumber(rest[2], x) || !parseNumber(rest[3], y)) return badArgument(err, "X and Y are numbers");
    if (!parseInt(rest[4], angle) || angle < 0 || angle > 9) return badArgument(err, "ANGLE is a whole number 0..9");
    if (output.empty()) output = rest[0];

    Session s;
    if (!load(s, rest[0], err)) return kFailed;
    Tiling& t = *s.tiling;
    t.floating = TileShape{x, y, kind, angle, 1};
    t.adding = 1;
    if (!attachShape(t, s.shell)) {
        out << "refused\n";
        // A refusal leaves the table as it was; a table at the hand-placement
        // limit refuses every attach, so that is the reason to give.
        if (t.shapeLast > kMaxHandShapeLast)
            err << "rhotool: the tiling holds " << t.shapeCount()
                << " shapes; shapes are attached by hand only to tilings of at most " << kMaxHandShapeLast + 1 << "\n";
        return kFailed;
    }
    const TileShape& added = t.shapes[t.shapeLast];
    out << "attached " << t.shapeLast << " " << sixDecimals(added.x) << " " << sixDecimals(added.y) << "\n";
    return save(s, output, err) ? kDone : kFailed;
}

int exportTiling(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() < 3) return badArgument(err, "export takes FILE.rho and OUT");
    double zoom = 1.0;
    BoundingBox box;
    std::string setPath;
    std::string display = "shape";
    bool antialiased = false;
    for (size_t i = 3; i < a.size(); ++i) {
        if (a[i] == "--zoom" && i + 1 < a.size()) {
            if (!parseNumber(a[++i], zoom) || !(zoom > 0)) return badArgument(err, "--zoom takes a positive number");
        } else if (a[i] == "--box" && i + 4 < a.size()) {
            if (!parseNumber(a[i + 1], box.x) || !parseNumber(a[i + 2], box.y) || !parseNumber(a[i + 3], box.w) ||
                !parseNumber(a[i + 4], box.h))
                return badArgument(err, "--box takes four numbers X Y W H");
            i += 4;
        } else if (a[i] == "--set" && i + 1 < a.size()) {
            setPath = a[++i];
        } else if (a[i] == "--display" && i + 1 < a.size()) {
            display = a[++i];
            if (display != "shape" && display != "set" && display != "both")
                return badArgument(err, "--display takes shape, set or both");
        } else if (a[i] == "--antialiased") {
            antialiased = true;
        } else {
            return badArgument(err, "unknown option " + a[i]);
        }
    }
    const std::string ext = extensionOf(a[2]);
    if (ext != "ps" && ext != "bmp" && ext != "png" && ext != "svg")
        return badArgument(err, "OUT must end in .ps, .bmp, .png or .svg");
    const bool decorated = display != "shape" || antialiased || !setPath.empty();
    if (decorated && ext == "ps")
        return badArgument(err, "a PostScript document shows the plain shapes: --set, --display set|both and "
                                "--antialiased are for .bmp, .png and .svg pictures");
    // A set file alone would silently draw the plain shapes, and "set" alone
    // a blank picture.
    if (!setPath.empty() && display == "shape") return badArgument(err, "--set needs --display set or --display both");
    if (setPath.empty() && display == "set") return badArgument(err, "--display set needs --set FILE.rhs");
    // The picture of the box at the zoom, checked on the doubles before any
    // conversion, the same for every format: at least one pixel each way and
    // at most five screens (the bitmap's memory bound).
    const HeadlessShell screen;
    const double width = box.w * zoom, height = box.h * zoom;
    if (!(width >= 1.0 && height >= 1.0))
        return badArgument(err, "--box and --zoom give an empty picture (W and H must make at least one pixel)");
    if (!(width <= 5.0 * screen.screenWidth() && height <= 5.0 * screen.screenHeight()))
        return badArgument(err, "--box and --zoom give a picture larger than five screens (" +
                                    std::to_string(5 * screen.screenWidth()) + " x " +
                                    std::to_string(5 * screen.screenHeight()) + " pixels)");

    Session s;
    if (!load(s, a[1], err)) return kFailed;
    Tiling& t = *s.tiling;
    s.shell.messages.clear();
    if (!setPath.empty() && !readSet(t.set, setPath, s.shell, FileSource::AnyStream)) {
        err << "rhotool: " << setPath << ":\n";
        reportMessages(s.shell, err);
        if (s.shell.messages.empty()) err << "not a set file (it does not begin with 123456 and two counts)\n";
        reportOversized(setPath, kMaxSetFileBytes, "a set file", err);
        return kFailed;
    }
    t.decoration = display == "shape" ? 0 : 1;
    t.outline = display == "both" ? 1 : 0;
    t.antialiased = antialiased ? 1 : 0;
    bool ok = false;
    if (ext == "ps") {
        ok = writePostScript(t, s.shell, a[2]);
    } else if (ext == "svg") {
        ok = writeSvg(t, s.shell, box, a[2]);
    } else {
        t.box = box;
        t.zoom = zoom;
        t.viewOriginX = 0;
        t.viewOriginY = 0;
        applyView(t);
        s.shell.bitmapFormat = ext == "png" ? "PNG" : "BMP";
        const BitmapResult result = renderBitmap(t, s.shell, a[2]);
        ok = result == BitmapResult::Written;
        if (result == BitmapResult::TooLarge) s.shell.messages.push_back("Out of memory. Can not render bitmap.");
    }
    if (!ok) {
        err << "rhotool: " << a[2] << ":\n";
        reportMessages(s.shell, err);
        return kFailed;
    }
    out << "exported " << a[2] << "\n";
    return kDone;
}

// The sets that show the matching rules, written by the set writer into an
// existing folder.
int writeRuleSets(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return badArgument(err, "sets takes DIR");
    const std::string folder = a[1].empty() || a[1].back() == '/' ? a[1] : a[1] + "/";
    const std::pair<const char*, SetDesign> sets[] = {{kMatchingArcsFileName, matchingArcsSet()},
                                                       {kAmmannBarsFileName, ammannBarsSet()}};
    for (const auto& [name, design] : sets) {
        const std::string path = folder + name;
        HeadlessShell shell;
        if (!writeSet(design, path, shell)) {
            err << "rhotool: " << path << ":\n";
            reportMessages(shell, err);
            return kFailed;
        }
        out << "wrote " << path << "\n";
    }
    return kDone;
}

}  // namespace

int runRhoTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return badArgument(err, "no command given");
    const std::string& command = args[0];
    if (command == "--version" || command == "-V") {
        out << versionText();
        return kDone;
    }
    // "rhotool --help", "rhotool help", "rhotool help COMMAND" and
    // "rhotool COMMAND --help".
    const bool helpFirst = command == "--help" || command == "-h" || command == "help";
    const bool helpSecond = args.size() == 2 && (args[1] == "--help" || args[1] == "-h");
    if (helpFirst && args.size() == 1) {
        out << fullHelp();
        return kDone;
    }
    if ((helpFirst && args.size() == 2) || helpSecond) {
        const std::string& verb = helpFirst ? args[1] : command;
        std::string text;
        if (!verbHelp(verb, text)) return badArgument(err, "unknown command " + verb);
        out << text;
        return kDone;
    }
    if (command == "generate") return generate(args, out, err);
    if (command == "info") return info(args, out, err);
    if (command == "check") return check(args, out, err);
    if (command == "attach") return attach(args, out, err);
    if (command == "export") return exportTiling(args, out, err);
    if (command == "orient") return orientVerb(args, out, err);
    if (command == "rules") return rulesVerb(args, out, err);
    if (command == "force") return forceVerb(args, out, err);
    if (command == "deflate") return deflateVerb(args, out, err);
    if (command == "compose") return composeVerb(args, out, err);
    if (command == "sets") return writeRuleSets(args, out, err);
    return badArgument(err, "unknown command " + command);
}

}  // namespace rho

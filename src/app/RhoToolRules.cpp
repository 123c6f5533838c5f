// rhotool's matching-rule verbs: orient, rules, force, deflate and compose.
// Each reads a tiling, applies one command of the rules core and, except
// `rules`, writes the result through the same all-or-nothing path as the
// other verbs. Their output lines are fixed so that scripts can read them.

#include <charconv>
#include <cmath>
#include <ostream>

#include "app/RhoToolParts.h"
#include "rules/Check.h"
#include "rules/Deflation.h"
#include "rules/Force.h"
#include "rules/Orient.h"

namespace rho::rhotool {

namespace {

// The arguments of a verb that reads IN and writes OUT: IN -o OUT, with
// --times K where the verb takes it.
struct InOut {
    std::string in, out;
    int times = 1;
};

// Parses a[1..]; returns kDone or, after the usage text, kBadArgument.
int parseInOut(const std::vector<std::string>& a, bool takesTimes, InOut& io, std::ostream& err) {
    const std::string& verb = a[0];
    const std::string shape = verb + " takes FILE.rho -o OUT.rho" + (takesTimes ? " [--times K]" : "");
    std::vector<std::string> positional;
    bool haveOut = false;
    for (size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "-o") {
            // An empty name is no name, and a second -o is a mistake.
            if (i + 1 >= a.size() || a[i + 1].empty() || haveOut) return badArgument(err, "-o needs one file name");
            io.out = a[++i];
            haveOut = true;
        } else if (takesTimes && a[i] == "--times") {
            if (i + 1 >= a.size() || !parseInt(a[i + 1], io.times) || io.times < 1)
                return badArgument(err, "--times takes a whole number of at least 1");
            ++i;
        } else if (a[i].size() > 1 && a[i][0] == '-') {
            return badArgument(err, "unknown option " + a[i]);
        } else {
            positional.push_back(a[i]);
        }
    }
    if (positional.size() != 1 || !haveOut) return badArgument(err, shape);
    io.in = positional[0];
    return kDone;
}

// A coordinate with two decimals and a point, whatever the locale; a value
// that rounds to zero is "0.00", never "-0.00".
std::string twoDecimals(double v) {
    if (std::fabs(v) < 0.005) v = 0.0;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

void printPlaces(std::ostream& out, const char* label, const std::vector<Point2>& places) {
    for (const Point2& p : places) out << label << ' ' << twoDecimals(p.x) << ' ' << twoDecimals(p.y) << '\n';
}

// Deflation and composition refuse before anything changes; a refusal
// writes nothing and says why on standard error.
int deflateOrCompose(const std::vector<std::string>& a, bool composing, std::ostream& out, std::ostream& err) {
    InOut io;
    if (const int bad = parseInOut(a, !composing, io, err)) return bad;
    Session s;
    if (!load(s, io.in, err)) return kFailed;
    const DeflateResult result = composing ? composeTiling(*s.tiling) : deflateTiling(*s.tiling, io.times);
    const std::string text = deflateResultText(result, composing);
    if (result.outcome != DeflateOutcome::Done) {
        err << "rhotool: " << text << "\n";
        return kFailed;
    }
    if (!save(s, io.out, err)) return kFailed;
    out << text << "\n";
    return kDone;
}

}  // namespace

int orientVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    InOut io;
    if (const int bad = parseInOut(a, false, io, err)) return bad;
    Session s;
    if (!load(s, io.in, err)) return kFailed;
    const OrientResult result = orientShapes(*s.tiling);
    if (!save(s, io.out, err)) return kFailed;
    out << "turned: " << result.turned << "\narrow conflicts: " << result.arrowConflicts << "\n";
    return kDone;
}

int rulesVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return badArgument(err, "rules takes FILE.rho");
    Session s;
    if (!load(s, a[1], err)) return kFailed;
    const RuleReport report = checkRules(*s.tiling);
    out << "arrow conflicts: " << report.arrowConflicts << "\nillegal vertices: " << report.illegalVertices
        << "\ndead ends: " << report.deadEnds << "\n";
    printPlaces(out, "conflict", report.conflictPlaces);
    printPlaces(out, "illegal", report.illegalPlaces);
    printPlaces(out, "dead end", report.deadEndPlaces);
    return report.clean() ? kDone : kFailed;
}

int forceVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    InOut io;
    if (const int bad = parseInOut(a, false, io, err)) return bad;
    Session s;
    if (!load(s, io.in, err)) return kFailed;
    const ForceResult result = forceShapes(*s.tiling);
    if (!save(s, io.out, err)) return kFailed;
    out << "forced shapes: " << result.forced << "\ndead ends: " << result.deadEnds << "\n";
    if (result.tableFull)
        err << "rhotool: the shape table filled up (" << kMaxShapes << " shapes, " << kMaxContour
            << " contour points); forcing stopped there\n";
    return kDone;
}

int deflateVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    return deflateOrCompose(a, false, out, err);
}

int composeVerb(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    return deflateOrCompose(a, true, out, err);
}

}  // namespace rho::rhotool

// rhotool's help: one table of verbs gives the short usage printed with a
// usage error, the full text of `rhotool --help` (from which the manual page
// is made) and the text of `rhotool COMMAND --help`.

#include <string>

#include "app/RhoTool.h"
#include "app/RhoToolParts.h"
#include "app/Version.h"

namespace rho {

namespace {

struct VerbHelp {
    const char* name;
    const char* synopsis;     // the arguments after the verb
    const char* description;  // lines of at most 72 columns, each ending in \n
    const char* example;
};

// Lines of the descriptions are printed indented by two columns and option
// lines by four, so that the text stays within 80 columns.
constexpr VerbHelp kVerbs[] = {
    {"generate", "RADIUS OUT.rho [--penrose]",
     "Make a round patch of radius RADIUS (a whole number 5..50) with the\n"
     "quasitiler (de Bruijn's pentagrid method), as the editor's\n"
     "\"quasitiler...\" does, and save it to OUT.rho. Prints\n"
     "\"shapes:N contour:M\".\n"
     "--penrose         make a true Penrose patch instead, whose arrows agree\n"
     "                  on every edge (the editor's \"penrose patch...\")\n",
     "rhotool generate 20 patch.rho"},
    {"info", "FILE.rho",
     "Print the counts of a tiling (\"shapes:N contour:M\", \"large: L\",\n"
     "\"small: S\", \"selected: K\") and the box around the corners of its\n"
     "shapes (\"bounding box: X0 Y0 X1 Y1\", or \"bounding box: none\").\n",
     "rhotool info patch.rho"},
    {"check", "FILE.rho",
     "Compare the contour stored in the file with a fresh recalculation and\n"
     "print each difference, or \"contour agrees: N points\". Exits with 1\n"
     "when there is a difference.\n",
     "rhotool check patch.rho"},
    {"attach", "FILE.rho KIND X Y ANGLE [-o OUT.rho]",
     "Attach one shape as the edit tool's right click does: KIND is large\n"
     "or small, (X, Y) the world position of its centre and ANGLE 0..9 its\n"
     "turn in steps of 36 degrees. A corner within 10 world units of a free\n"
     "boundary point snaps onto it; a shape that finds none, or would\n"
     "overlap, is refused (\"refused\", exit status 1). Prints\n"
     "\"attached I X Y\".\n"
     "-o OUT.rho        save to OUT.rho (default: over FILE.rho)\n",
     "rhotool attach patch.rho large 958 -142 0 -o bigger.rho"},
    {"export", "FILE.rho OUT.ps|OUT.bmp|OUT.png|OUT.svg [OPTION...]",
     "Write a picture of the tiling; the end of OUT names the format:\n"
     ".ps (PostScript of every shape), .bmp, .png or .svg (the part of\n"
     "the world in the box). Prints \"exported OUT\".\n"
     "--zoom Z          pixels per world unit (default 1)\n"
     "--box X Y W H     the part of the world drawn (default 0 0 1000 700)\n"
     "--set FILE.rhs    the decoration set drawn on every shape\n"
     "--display MODE    shape (the plain shapes, default), set (the set's\n"
     "                  decorations alone) or both (decorations with blue\n"
     "                  outlines); set and both need --set, --set needs one\n"
     "                  of them\n"
     "--antialiased     draw the set's lines smoothed\n"
     "A PostScript document always shows the plain shapes.\n",
     "rhotool export patch.rho deco.svg --set diagonals.rhs --display set"},
    {"orient", "FILE.rho -o OUT.rho",
     "Turn shapes by 180 degrees so that as few shared edges as possible\n"
     "carry conflicting arrows, and save to OUT.rho. Prints \"turned: T\"\n"
     "and \"arrow conflicts: C\".\n",
     "rhotool orient patch.rho -o oriented.rho"},
    {"rules", "FILE.rho",
     "Check the matching rules and write nothing. Prints\n"
     "\"arrow conflicts: C\", \"illegal vertices: V\", \"dead ends: D\", then\n"
     "each place in world coordinates with two decimals (\"conflict X Y\",\n"
     "\"illegal X Y\", \"dead end X Y\"). Exits with 1 unless all three\n"
     "counts are 0.\n",
     "rhotool rules penrose.rho"},
    {"force", "FILE.rho -o OUT.rho",
     "Add every shape the matching rules force, with colour 1, and save to\n"
     "OUT.rho. Prints \"forced shapes: N\" and \"dead ends: D\"; says on\n"
     "standard error when the shape table filled up.\n",
     "rhotool force oriented.rho -o forced.rho"},
    {"deflate", "FILE.rho -o OUT.rho [--times K]",
     "Cut every shape into smaller ones by the golden ratio and save to\n"
     "OUT.rho. Prints \"deflated: N shapes\". Refused, with nothing written\n"
     "and exit status 1, when the tiling has arrow conflicts or the result\n"
     "would not fit in the tables.\n"
     "--times K         deflate K times (default 1)\n",
     "rhotool deflate penrose.rho -o finer.rho --times 2"},
    {"compose", "FILE.rho -o OUT.rho",
     "The inverse of deflate: join the pieces into their parents and save\n"
     "to OUT.rho. Prints \"composed: N shapes\"; refused when no shape has\n"
     "all the children of a parent.\n",
     "rhotool compose finer.rho -o coarser.rho"},
    {"sets", "DIR",
     "Write the two sets that show the matching rules into the folder DIR:\n"
     "DIR/matching-arcs.rhs and DIR/ammann-bars.rhs. Prints \"wrote PATH\"\n"
     "for each.\n",
     "rhotool sets ."},
};

const VerbHelp* findVerb(const std::string& name) {
    for (const VerbHelp& verb : kVerbs)
        if (name == verb.name) return &verb;
    return nullptr;
}

// The description with every line indented by `indent`, and the option
// lines (those starting with "-") and their continuations by two more.
std::string describedWithOptions(const std::string& description, const std::string& indent) {
    std::string result;
    bool inOption = false;
    size_t start = 0;
    while (start < description.size()) {
        const size_t end = description.find('\n', start);
        const size_t stop = end == std::string::npos ? description.size() : end + 1;
        const std::string line = description.substr(start, stop - start);
        if (line[0] == '-') inOption = true;
        else if (line[0] != ' ') inOption = false;
        result += indent;
        if (inOption) result += "  ";
        result += line;
        start = stop;
    }
    return result;
}

// A verb's block of "rhotool --help": the synopsis as a heading ending in a
// colon, the description indented by two, its options by four (so that
// help2man makes them tagged paragraphs of the manual page) and the
// example, led by "$ ", by four.
std::string verbBlock(const VerbHelp& verb) {
    std::string text = "\n";
    text += verb.name;
    text += " ";
    text += verb.synopsis;
    text += ":\n";
    text += describedWithOptions(verb.description, "  ");
    text += "  For example:\n    $ " + std::string(verb.example) + "\n";
    return text;
}

std::string makeUsage() {
    std::string text = "usage: rhotool COMMAND ARGUMENTS...\n";
    for (const VerbHelp& verb : kVerbs) text += "  " + std::string(verb.name) + " " + verb.synopsis + "\n";
    text += "'rhotool --help' describes every command, 'rhotool COMMAND --help' one.\n";
    return text;
}

}  // namespace

namespace rhotool {

const std::string& usage() {
    static const std::string text = makeUsage();
    return text;
}

std::string fullHelp() {
    std::string text =
        "Usage: rhotool COMMAND ARGUMENTS...\n"
        "  or:  rhotool COMMAND --help\n"
        "  or:  rhotool --help | --version\n"
        "Generate, inspect, check, extend and export Penrose rhomb tilings\n"
        "(.rho files) with the rho editor's own code, without a window; the\n"
        "files it writes open in the editor unchanged. The commands:\n";
    for (const VerbHelp& verb : kVerbs) text += verbBlock(verb);
    text +=
        "\n"
        "Exit status:\n"
        "  0 when the work is done; 1 when a file cannot be read or written, an\n"
        "  attach, deflation or composition is refused, check finds a difference\n"
        "  or rules finds a broken rule; 2 on a usage error, whose reason and the\n"
        "  usage go to standard error.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this text; after a command, that command's\n"
        "  -V, --version    print the version\n";
    return text;
}

bool verbHelp(const std::string& name, std::string& text) {
    const VerbHelp* verb = findVerb(name);
    if (!verb) return false;
    text = "Usage: rhotool " + std::string(verb->name) + " " + verb->synopsis + "\n" +
           describedWithOptions(verb->description, "  ") + "  For example:\n    $ " + verb->example + "\n";
    return true;
}

std::string versionText() { return std::string("rhotool ") + kRhoVersion + "\n"; }

}  // namespace rhotool

const char* rhoToolUsage() { return rhotool::usage().c_str(); }

}  // namespace rho

#pragma once
// The tiling file (.rho): a text file holding the complete shape table and
// the complete contour table, so that a tiling opened again can be extended
// at the same free edges.
//
//   960905                                  version
//   <shape last index>
//   <x> <y> <kind> <angle> <color>          one line per shape
//   <contour last index>
//   <x> <y> <s0> <s1> ... <s10> \n          one line per contour point,
//                                           ending in a blank
//
// Reals are written in fixed notation with six decimals, integers in
// decimal, both the same in every locale. The reader takes any run of white
// space (blank, tab, CR, LF, ...) as a separator.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "io/TextInput.h"
#include "tiling/Records.h"
#include "tiling/Tiling.h"

namespace rho {

class Shell;

// Longest text of one real: sign, 309 integer digits, point, six decimals.
inline constexpr int kMaxRealLength = 317;
// Longest text of one 32-bit integer: "-2147483648".
inline constexpr int kMaxIntLength = 11;
// Larger files are refused: the biggest file the writer can produce (every
// coordinate near the limit of a double) is about 19 MB.
inline constexpr std::size_t kMaxTilingFileBytes = std::size_t{64} << 20;

// Writes `value` in fixed notation with six decimals and a leading minus
// where negative (-0.0 gives "-0.000000"), whatever the locale. `first`
// must have room for kMaxRealLength characters. Returns the end.
char* formatReal(char* first, double value);
// Writes `value` in decimal; room for kMaxIntLength characters. Returns the end.
char* formatInt(char* first, int32_t value);

// The two tables of a file, read apart from any document so that a refused
// file never reaches the live tables.
struct TilingTables {
    int32_t shapeLast = -1;
    int32_t contourLast = -1;
    TileShape shapes[kMaxShapes];
    ContourVertex contour[kMaxContour];
};

// Parses the text of a tiling file into `out`. False when the version is
// not 960905, a count lies outside -1 .. capacity - 1, a field is missing
// or does not parse as a whole, a coordinate is not finite, a shape's kind
// is not 0 or 1, its angle lies outside 0..9 or its colour is 0 or beyond
// +-20, a sector value
// lies outside 0..255, or anything but white space follows the last record.
// `out` may then hold part of the file. When `progress` is given, its
// progress bar follows the records read.
bool parseTilingText(std::string_view text, TilingTables& out, Shell* progress = nullptr);

// True when the reader would take every record of the document's tables:
// counts within the capacities, finite coordinates and every shape's kind,
// angle and colour in their ranges. The writer refuses any other document,
// so that a saved file always opens again.
bool readableTables(const Tiling& t);

// The complete file text of the document's two tables.
std::string tilingText(const Tiling& t);

// Writes the document to `path`: into a new file beside it, which replaces
// `path` only once every byte is written. Status text "saving file" while it
// works, "idle" after. On failure shows "Can not create file" (when the file
// cannot be made) and "Error writing file" (also alone, touching no file,
// for tables the reader would refuse), leaves the status text
// "saving file" and any previous file at `path` as it was, and returns false.
bool writeTiling(Tiling& t, Shell& shell, const std::string& path);

// Replaces the document's tables with the file at `path`. Status text
// "opening file" while it works. A file that cannot be opened shows
// "Can not open file" and keeps that status text; a refused file (anything
// but a regular file too, unless `source` is AnyStream) sets it to "idle".
// Either way "Error reading file" follows, the tables stay exactly as they
// were and false is returned. On success redraws the view and returns true.
bool readTiling(Tiling& t, Shell& shell, const std::string& path, FileSource source = FileSource::RegularOnly);

// readTiling's work once the file's bytes are in memory: parse, replace the
// tables or refuse the file, status, progress and redraw.
bool readTilingText(Tiling& t, Shell& shell, std::string_view text);

}  // namespace rho

#pragma once
// The set file (.rhs): magic 123456, the two object counts, then one
// three-line block per object, small drawing first. Numbers are written and
// read the same way whatever the user's locale.

#include <cstddef>
#include <string>
#include <string_view>

#include "io/TextInput.h"
#include "tiling/SetDesign.h"

namespace rho {

class Shell;

constexpr int kSetFileMagic = 123456;

// Larger files are refused: the longest text the writer can produce (every
// coordinate near the limit of a double) is about 1.3 MB.
inline constexpr std::size_t kMaxSetFileBytes = std::size_t{4} << 20;

// The whole text of a set file for `design`, lines ending in LF.
std::string setFileText(const SetDesign& design);

enum class SetParse {
    Ok,
    BadHeader,  // the first number is not the magic, or the count line is not two integers
    Malformed,  // a count beyond 50, or the counted objects cannot be read within their limits
};

// Parses the text of a set file (LF or CR LF) into `out`. Text after the
// last counted object is ignored. `out` is written only when the result is Ok.
SetParse parseSetText(std::string_view text, SetDesign& out);

// True when the reader would take every object the writer writes: kinds
// 0..2 and finite coordinates.
bool readableDesign(const SetDesign& design);

// Writes `design` to `path` in full or not at all. Shows "Can not create
// file" and returns false when the file cannot be made; returns false
// without a message of its own when a later step fails or the design is not
// readable, touching no file then (the save commands follow every failure
// with "Error writing file").
bool writeSet(const SetDesign& design, const std::string& path, Shell& shell);

// Replaces `design` with the file's contents only when the whole file was
// read. "Can not open file" when it cannot be opened; false without a
// message when the header is wrong; "Error reading file" when the body is
// malformed or, unless `source` is AnyStream, the path names anything but
// a regular file. The design is unchanged whenever it returns false.
bool readSet(SetDesign& design, const std::string& path, Shell& shell, FileSource source = FileSource::RegularOnly);

}  // namespace rho

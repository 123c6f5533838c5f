#pragma once
// The set file (.rhs): magic 123456, the two object counts, then one
// three-line block per object, small drawing first. Numbers are written and
// read the same way whatever the user's locale.

#include <string>
#include <string_view>

#include "tiling/SetDesign.h"

namespace rho {

class Shell;

constexpr int kSetFileMagic = 123456;

// The whole text of a set file for `design`, lines ending in LF.
std::string setFileText(const SetDesign& design);

enum class SetParse {
    Ok,
    BadHeader,  // the first number is not the magic, or the count line is not two integers
    Malformed,  // anything wrong past the count line
};

// Parses the text of a set file (LF or CR LF) into `out`. `out` is written
// only when the result is Ok.
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
// malformed. The design is unchanged whenever it returns false.
bool readSet(SetDesign& design, const std::string& path, Shell& shell);

}  // namespace rho

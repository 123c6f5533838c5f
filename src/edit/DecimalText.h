#pragma once
// Whole numbers in dialog fields: read the way "%d" reads them, written the
// way "%d" writes them, and stepped by an up-down control.

#include <string>

namespace rho {

// Reads a decimal integer the way "%d" does: leading white space, an
// optional sign, at least one digit; whatever follows is ignored. False,
// leaving `value` unchanged, when no integer starts the text. A number too
// large for an int saturates at the int limits.
bool scanDecimalInt(const std::string& text, int& value);

// A real number truncated toward zero and written as "%d" writes it; values
// beyond the int range stop at its limits.
std::string formatTruncated(double value);

// The text an up-down control puts into its field after one click: the
// field's number moved by `delta` and held within minimum..maximum (no
// wrapping, no thousands separators). A field that holds no number steps
// from `minimum`.
std::string stepDecimalText(const std::string& text, int delta, int minimum, int maximum);

}  // namespace rho

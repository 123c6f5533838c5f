#include "edit/DecimalText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace rho {

namespace {

// The white space that "%d" skips in the C locale.
bool isCSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool scanDecimalInt(const std::string& text, int& value) {
    std::size_t p = 0;
    while (p < text.size() && isCSpace(text[p])) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= text.size() || !isDigit(text[p])) return false;
    // Accumulate the magnitude, stopping just past the int range.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; p < text.size() && isDigit(text[p]); ++p) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (text[p] - '0');
    }
    if (negative) {
        value = magnitude >= limit ? INT_MIN : static_cast<int>(-magnitude);
    } else {
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    }
    return true;
}

std::string formatTruncated(double value) {
    if (std::isnan(value)) return "0";
    if (value >= static_cast<double>(INT_MAX)) return std::to_string(INT_MAX);
    if (value <= static_cast<double>(INT_MIN)) return std::to_string(INT_MIN);
    return std::to_string(static_cast<int>(value));
}

std::string stepDecimalText(const std::string& text, int delta, int minimum, int maximum) {
    int value = minimum;
    const bool parsed = scanDecimalInt(text, value);
    long long next = parsed ? static_cast<long long>(value) + delta : minimum;
    next = std::clamp<long long>(next, minimum, maximum);
    return std::to_string(next);
}

}  // namespace rho

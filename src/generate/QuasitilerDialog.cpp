#include "generate/QuasitilerDialog.h"

#include <climits>

#include "generate/Quasitiler.h"
#include "tiling/Shell.h"

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

QuasitilerDialog::QuasitilerDialog(Tiling& tiling, Shell& shell) : tiling_(tiling), shell_(shell) { FormCreate(); }

void QuasitilerDialog::FormCreate() { editText = "10"; }

void QuasitilerDialog::Button1Click() {
    int n = -1;
    scanDecimalInt(editText, n);
    if (n >= kQuasiMinRadius && n <= kQuasiMaxRadius) {
        runQuasitiler(tiling_, shell_, n);
        closed = true;
    } else {
        shell_.messageBox(kRangeMessage, Buttons::Ok);
    }
}

void QuasitilerDialog::Button2Click() { closed = true; }

}  // namespace rho

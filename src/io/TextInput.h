#pragma once
// Reading the program's text files: the whole file into memory, with the
// same rules for every reader, and a cursor over whitespace-separated
// numbers that reads them the way C's "%d" and "%lf" would, whatever the
// user's locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rho {

enum class FileLoad { Loaded, CannotOpen, Unreadable };

// What a reader takes. The editor's windows read regular files only, so
// that a named pipe whose writer never writes cannot hang them; the
// command-line tool also reads pipes and devices to their end.
enum class FileSource { RegularOnly, AnyStream };

// Reads the file at `path` into `text`. A directory cannot be opened. With
// RegularOnly anything but a regular file is Unreadable, found without
// reading from it. With AnyStream a named pipe without a writer is not
// waited for and a pipe whose writer is still at work is read to its end.
// Unreadable too when reading fails or the file holds more than `maxBytes`.
FileLoad loadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text,
                       FileSource source = FileSource::RegularOnly);

bool isBlank(char c);

class NumberCursor {
public:
    explicit NumberCursor(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    // An integer after optional white space (an explicit plus sign is
    // accepted, as "%d" does); it must end at white space or at the end.
    bool readInt(int32_t& value) { return readIntPart(value) && atBoundary(); }
    // A finite real number, ending like readInt's.
    bool readReal(double& value);
    // An integer that may be followed by anything; the cursor stays behind it.
    bool readIntPart(int32_t& value);
    // Takes one `c` at the cursor; false, moving nothing, when another
    // character or the end stands there.
    bool take(char c);
    // At white space or at the end of the text.
    bool atBoundary() const { return p_ == end_ || isBlank(*p_); }
    // True when nothing but white space is left.
    bool atEnd();

private:
    void skipBlanks();

    const char* p_;
    const char* end_;
};

}  // namespace rho

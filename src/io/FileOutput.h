#pragma once
// Saving a whole file with the messages the user sees: every writer of the
// program (tiling, PostScript, pictures, SVG) goes through these two steps,
// so each one refuses the same targets and reports the same failures.

#include <string>
#include <string_view>

#include "io/AtomicFile.h"

namespace rho {

class Shell;

// Opens `file` for `path`. When no file can be made there (a missing
// folder, a write-protected file, a directory, pipe or device) shows
// "Can not create file" and "Error writing file" and returns false.
bool openForSaving(AtomicFile& file, Shell& shell, const std::string& path);

// Writes `bytes` and puts the file in place. When any step fails shows
// "Error writing file" and returns false; the previous file stays as it was.
bool finishSaving(AtomicFile& file, Shell& shell, std::string_view bytes);

}  // namespace rho

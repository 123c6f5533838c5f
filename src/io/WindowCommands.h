#pragma once
// The main window's own document steps: the question asked before it
// closes, and the file named on the command line at start.

#include <string>

namespace rho {

struct Tiling;
class Shell;

// Whether the main window may close. A modified document asks
// "Do you want save current file?": Yes keeps the window open so that the
// user can save first, No lets it close without saving.
bool FormCloseQuery(const Tiling& t, Shell& shell);

// Opens `path` at start as "open..." would after the user chose it: on
// success the caption shows the path as given and the document is named
// and unmodified; a refused file shows "Error reading file" and leaves an
// empty untitled document.
bool openStartupFile(Tiling& t, Shell& shell, const std::string& path);

}  // namespace rho

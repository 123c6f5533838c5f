#pragma once
// Where the files that come with the program are found at run time.

#include <QString>
#include <string>

namespace rho {

// The folder of the shipped sets for a program in `binDir`: the installed
// one beside it (binDir/../share/rho/sets, as `cmake --install` lays it
// out) when it exists, else the examples folder of the source tree the
// program was built from (a program run from its build tree), else empty.
std::string setsFolderFor(const QString& binDir);

// The same for the running program.
std::string setsFolder();

}  // namespace rho

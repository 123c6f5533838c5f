#pragma once
// rhotool: the editor's work from the command line, with the editor's own
// commands (quasitiler, attach, file reader and writer, export).

#include <iosfwd>
#include <string>
#include <vector>

namespace rho {

// Exit codes: 0 done, 1 a refused or unreadable file (or an attach that was
// refused, or a check that found differences), 2 a bad argument.
int runRhoTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* rhoToolUsage();

}  // namespace rho

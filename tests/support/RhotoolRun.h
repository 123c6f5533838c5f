#pragma once
// Runs the built rhotool executable as a user would, through the shell,
// and collects its exit status, standard output and standard error.

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/TempDir.h"

namespace rho::test {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs the built `program` (rho or rhotool): `arguments` are shell words
// after it; `before` is shell text put in front (a limit, say); standard
// error passes through a file in `dir`.
inline ToolRun runProgram(const TempDir& dir, const std::string& program, const std::string& arguments,
                          const std::string& before = "") {
    const std::string command =
        before + std::string(RHO_BINARY_DIR) + "/" + program + " " + arguments + " 2>" + dir / "rhotool.err";
    ToolRun r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = slurp(dir.path / "rhotool.err");
    return r;
}

inline ToolRun runRhotool(const TempDir& dir, const std::string& arguments, const std::string& before = "") {
    return runProgram(dir, "rhotool", arguments, before);
}

}  // namespace rho::test

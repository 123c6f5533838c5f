#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/RhoTool.h"
#include "app/Version.h"
#include "support/RhotoolRun.h"
#include "support/TempDir.h"

namespace rho {
namespace {

using test::runRhotool;
using test::slurp;
using test::TempDir;
using test::ToolRun;

// On a desktop platform with no display Qt would abort: only an answer given before it succeeds.
ToolRun runRhoWithoutDisplay(const TempDir& dir, const std::string& arguments) {
    return test::runProgram(dir, "rho", arguments, "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ");
}

TEST(VersionAndHelp, BothProgramsPrintTheProjectVersionWithoutADisplay) {
    const std::string cmake = slurp(std::string(RHO_SOURCE_DIR) + "/CMakeLists.txt");
    std::smatch project;
    ASSERT_TRUE(std::regex_search(cmake, project, std::regex(R"(project\(rho VERSION ([0-9]+\.[0-9]+\.[0-9]+))")));
    EXPECT_EQ(kRhoVersion, project[1].str());

    TempDir dir("version-help");
    const ToolRun rho = runRhoWithoutDisplay(dir, "--version"), tool = runRhotool(dir, "--version");
    EXPECT_EQ(std::tuple(rho.status, rho.out), std::tuple(0, "rho " + project[1].str() + "\n")) << rho.err;
    EXPECT_EQ(std::tuple(tool.status, tool.out), std::tuple(0, "rhotool " + project[1].str() + "\n"));

    const ToolRun help = runRhoWithoutDisplay(dir, "--help");
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind("Usage: rho [FILE.rho]\n  or:  rho --write-icon FILE.png [SIZE]\n", 0), 0u) << help.out;
    for (const char* option : {"\n      --write-icon FILE.png [SIZE]\n", "\n  -h, --help ", "\n  -V, --version ",
                               "\n  $ rho patch.rho\n"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

struct Verb {
    std::string name;
    std::vector<std::string> options;
};

const std::vector<Verb> kVerbs = {
    {"generate", {"--penrose"}}, {"info", {}}, {"check", {}}, {"attach", {"-o"}},
    {"export", {"--zoom", "--box", "--set", "--display", "--antialiased"}}, {"orient", {}}, {"rules", {}},
    {"force", {}}, {"deflate", {"--times"}}, {"compose", {}}, {"sets", {}},
};

// Each command's help is its block of the full help: synopsis, options, an example.
TEST(VersionAndHelp, RhotoolDescribesEveryCommandAndOption) {
    TempDir dir("version-help");
    const ToolRun full = runRhotool(dir, "--help");
    ASSERT_EQ(full.status, 0);
    for (const Verb& verb : kVerbs) {
        const ToolRun one = runRhotool(dir, verb.name + " --help");
        EXPECT_EQ(one.status, 0) << verb.name;
        EXPECT_EQ(runRhotool(dir, "help " + verb.name).out, one.out) << verb.name;
        ASSERT_EQ(one.out.rfind("Usage: rhotool " + verb.name + " ", 0), 0u) << one.out;
        const std::string synopsis = one.out.substr(15, one.out.find('\n') - 15);
        const std::string body = one.out.substr(one.out.find('\n') + 1);
        EXPECT_NE(full.out.find("\n\n" + synopsis + ":\n" + body), std::string::npos) << verb.name;
        EXPECT_NE(body.find("  For example:\n    $ rhotool " + verb.name + " "), std::string::npos) << verb.name;
        for (const std::string& option : verb.options)
            EXPECT_NE(body.find("\n    " + option + " "), std::string::npos) << verb.name << " " << option;
        EXPECT_NE(std::string(rhoToolUsage()).find("\n  " + synopsis + "\n"), std::string::npos) << synopsis;
    }
    const ToolRun unknown = runRhotool(dir, "frobnicate --help");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("rhotool: unknown command frobnicate\nusage: rhotool", 0), 0u) << unknown.err;
}

// The examples, run in the help's order in one folder, each find the files the ones before wrote.
TEST(VersionAndHelp, RhotoolExamplesWorkAsPrinted) {
    TempDir dir("version-help");
    const std::string help = runRhotool(dir, "--help").out;
    const std::string inDir = "cd '" + dir.path.string() + "' && ";
    ASSERT_EQ(runRhotool(dir, "generate 10 penrose.rho --penrose", inDir).status, 0);
    std::filesystem::copy_file(std::string(RHO_SOURCE_DIR) + "/examples/diagonals.rhs", dir / "diagonals.rhs");
    std::istringstream lines(help);
    int examples = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("    $ rhotool ", 0) != 0) continue;
        ++examples;
        const ToolRun run = runRhotool(dir, line.substr(14), inDir);
        EXPECT_EQ(run.status, 0) << line << "\n" << run.out << run.err;
    }
    EXPECT_EQ(examples, static_cast<int>(kVerbs.size()));
    for (const char* written : {"patch.rho", "bigger.rho", "deco.svg", "oriented.rho", "forced.rho", "finer.rho",
                                "coarser.rho", "matching-arcs.rhs", "ammann-bars.rhs"})
        EXPECT_TRUE(std::filesystem::exists(dir / written)) << written;
}

}  // namespace
}  // namespace rho

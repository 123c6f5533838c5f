// The editor started as a user starts it, with a tiling named on the
// command line: the file is open when the window first shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace rho {
namespace {

// Runs the editor until its first paint; returns what it reports then.
std::string firstPaintReport(const std::string& arguments) {
    const std::string command = "RHO_FIRST_PAINT_EXIT=1 QT_QPA_PLATFORM=offscreen " + std::string(RHO_BINARY_DIR) +
                                "/rho " + arguments + " 2>/dev/null";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0);
    // The first line holds the time of the paint.
    const auto end = out.find('\n');
    EXPECT_EQ(out.rfind("first paint ", 0), 0u) << out;
    return end == std::string::npos ? out : out.substr(end + 1);
}

TEST(Startup, TheFileNamedOnTheCommandLineIsOpenAtTheFirstPaint) {
    test::TempDir dir("startup");
    const std::string path = dir / "two shapes.rho";
    std::ofstream(path) << "960905\n1\n0.000000 0.000000 1 0 1\n100.000000 0.000000 0 3 -4\n"
                           "0\n-19.021130 -26.180340 0 0 0 0 0 0 0 0 1 1 0 \n";
    EXPECT_EQ(firstPaintReport("'" + path + "'"), "caption rho 2.0 " + path + "\nshapes:2 contour:1\n");
    EXPECT_EQ(firstPaintReport(""), "caption rho 2.0 untitled\nshapes:0  contour:0\n");
}

}  // namespace
}  // namespace rho

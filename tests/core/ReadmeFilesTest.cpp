// The README names only files that are there: its pictures, and the scripts
// and picture makers it tells the reader to run, which must be executable.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "support/TempDir.h"

namespace rho {
namespace {

namespace fs = std::filesystem;

TEST(ReadmeFiles, PicturesAndScriptsItNamesExist) {
    const fs::path top = RHO_SOURCE_DIR;
    const std::string readme = test::slurp(top / "README.md");
    std::set<std::string> pictures, scripts;
    const std::regex picture(R"(!\[[^\]]*\]\(([^)]+)\))"), script(R"(\b((?:scripts|docs)/make-[a-z-]+|scripts/[a-z-]+)\b)");
    for (auto m = std::sregex_iterator(readme.begin(), readme.end(), picture); m != std::sregex_iterator(); ++m)
        pictures.insert((*m)[1]);
    for (auto m = std::sregex_iterator(readme.begin(), readme.end(), script); m != std::sregex_iterator(); ++m)
        scripts.insert((*m)[1]);
    EXPECT_TRUE(pictures.count("docs/screenshot.png"));
    EXPECT_TRUE(scripts.count("scripts/make-screenshot"));
    EXPECT_TRUE(scripts.count("scripts/run") && scripts.count("scripts/test"));
    for (const std::string& name : pictures) EXPECT_TRUE(fs::is_regular_file(top / name)) << name;
    for (const std::string& name : scripts) {
        EXPECT_TRUE(fs::is_regular_file(top / name)) << name;
        EXPECT_NE(fs::status(top / name).permissions() & fs::perms::owner_exec, fs::perms::none) << name;
    }
}

}  // namespace
}  // namespace rho

// The last step of every save: the rename of the new file over the target.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "io/AtomicFile.h"
#include "io/FileOutput.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// A folder put at the target after the new file was made cannot be
// renamed over: the save fails, says so, and leaves no temporary file.
TEST(AtomicFileCommit, FailedRenameLeavesNoTemporaryFile) {
    test::TempDir dir{"rho-commit"};
    test::FakeShell shell;
    AtomicFile file;
    ASSERT_TRUE(file.open(dir / "target"));
    ASSERT_TRUE(file.write("new bytes"));
    fs::create_directory(dir / "target");
    std::ofstream(dir / "target/inside") << "kept";
    EXPECT_FALSE(finishSaving(file, shell, "more bytes"));
    EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
    Texts names;
    for (const auto& e : fs::recursive_directory_iterator(dir.path))
        names.push_back(fs::relative(e.path(), dir.path).string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Texts{"target", "target/inside"}));
    EXPECT_EQ(test::slurp(dir / "target/inside"), "kept");
}

}  // namespace
}  // namespace rho

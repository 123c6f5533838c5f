// What every writer (tiling, PostScript, bitmap, SVG) does with the thing
// that stands at its target: which targets it refuses, how it treats links,
// long names, permissions, and a disk that fills up half-way.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "edit/Creation.h"
#include "io/Export.h"
#include "io/SvgExport.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"
#include "support/FileSizeLimit.h"
#include "support/LockedFolder.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using test::slurp;

struct Writer {
    const char* name;
    bool (*write)(Tiling&, test::FakeShell&, const std::string&);
};

const Writer kWriters[] = {
    {"tiling", [](Tiling& t, test::FakeShell& s, const std::string& p) { return writeTiling(t, s, p); }},
    {"PostScript", [](Tiling& t, test::FakeShell& s, const std::string& p) { return writePostScript(t, s, p); }},
    {"bitmap", [](Tiling& t, test::FakeShell& s, const std::string& p) { return writeBitmap(t, s, p); }},
    {"SVG", [](Tiling& t, test::FakeShell& s, const std::string& p) { return writeSvg(t, s, t.box, p); }},
};

mode_t modeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

struct SaveTarget : ::testing::TestWithParam<Writer> {
    test::TempDir dir{"rho-target"};
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    void SetUp() override {
        for (int i = 0; i < 3; ++i) t->shapes[++t->shapeLast] = TileShape{40.0 * i, 20.0, i % 2, i, 1 + i};
        ::alarm(20);  // a writer that blocks on a pipe ends the run instead of hanging it
    }
    void TearDown() override { ::alarm(0); }

    bool save(const std::string& path) { return GetParam().write(*t, shell, path); }
    // The bytes a save of the test's tiling produces.
    std::string fresh() {
        const std::string path = dir / "reference";
        EXPECT_TRUE(save(path));
        const std::string bytes = slurp(path);
        fs::remove(path);
        shell.messages.clear();
        return bytes;
    }
    // Names in the test's folder, sorted: a temporary file left behind shows here.
    Texts entries() const {
        Texts names;
        for (const auto& e : fs::directory_iterator(dir.path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_P(SaveTarget, RefusesWhatItMustNotReplace) {
    std::ofstream(dir / "locked") << "previous";
    fs::permissions(dir / "locked", fs::perms(0444));
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink("loop", dir / "loop");
    const Texts before = entries();
    Texts targets = {dir / "locked", dir / "fifo", dir / "folder", dir / "missing/x", dir / std::string(256, 'n'),
                     dir / "loop"};
    if (S_ISCHR(modeOf("/dev/null"))) targets.push_back("/dev/null");
    for (const std::string& target : targets) {
        const mode_t mode = modeOf(target);
        shell.messages.clear();
        EXPECT_FALSE(save(target)) << target;
        EXPECT_EQ(shell.messageTexts(), (Texts{"Can not create file", "Error writing file"})) << target;
        EXPECT_EQ(modeOf(target), mode) << target;
    }
    EXPECT_EQ(slurp(dir / "locked"), "previous");
    EXPECT_EQ(entries(), before);
}

TEST_P(SaveTarget, WritesThroughLinksAndKeepsThem) {
    const std::string bytes = fresh();
    std::ofstream(dir / "real") << "previous";
    fs::create_directory(dir / "sub");
    fs::create_symlink("real", dir / "relative");
    fs::create_symlink("relative", dir / "chain");
    fs::create_symlink(dir / "sub/new", dir / "dangling");
    for (const char* link : {"relative", "chain", "dangling"}) {
        ASSERT_TRUE(save(dir / link)) << link;
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    }
    EXPECT_EQ(slurp(dir / "real"), bytes);
    EXPECT_EQ(slurp(dir / "sub/new"), bytes);
    EXPECT_EQ(entries(), (Texts{"chain", "dangling", "real", "relative", "sub"}));
}

TEST_P(SaveTarget, SavesANameOf255Bytes) {
    const std::string bytes = fresh();
    const std::string name = std::string(251, 'n') + ".rho";
    ASSERT_TRUE(save(dir / name));
    EXPECT_EQ(slurp(dir / name), bytes);
    EXPECT_EQ(entries(), Texts{name});
}

TEST_P(SaveTarget, ReplacedFileKeepsItsPermissionsAndNewFileFollowsUmask) {
    std::ofstream(dir / "shared") << "previous";
    fs::permissions(dir / "shared", fs::perms(0640));
    ASSERT_TRUE(save(dir / "shared"));
    EXPECT_EQ(modeOf(dir / "shared"), S_IFREG | 0640);
    const mode_t old = ::umask(027);
    const bool saved = save(dir / "new");
    ::umask(old);
    ASSERT_TRUE(saved);
    EXPECT_EQ(modeOf(dir / "new"), S_IFREG | 0640);
}

TEST_P(SaveTarget, ReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    std::ofstream(dir / "theirs") << "previous";
    ASSERT_EQ(::chown((dir / "theirs").c_str(), 4321, 8765), 0);
    ASSERT_TRUE(save(dir / "theirs"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "theirs").c_str(), &st), 0);
    EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid_t{4321}, gid_t{8765}));
}

TEST_P(SaveTarget, FullDiskKeepsThePreviousFile) {
    std::ofstream(dir / "kept") << "previous";
    // The kernel refuses bytes past the limit, as a full disk would, after
    // the first few. The result is checked once the limit is lifted.
    const bool saved = [&] {
        test::FileSizeLimit limit(8);
        return save(dir / "kept");
    }();
    EXPECT_FALSE(saved);
    EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
    EXPECT_EQ(slurp(dir / "kept"), "previous");
    EXPECT_EQ(entries(), Texts{"kept"});
}

// A file with a second name is rewritten in place, so both names show the
// new content; a full disk then fails before either changes.
TEST_P(SaveTarget, HardLinkedFileIsRewrittenForEveryName) {
    const std::string bytes = fresh();
    std::ofstream(dir / "first") << "previous";
    fs::permissions(dir / "first", fs::perms(0604));
    ASSERT_EQ(::link((dir / "first").c_str(), (dir / "second").c_str()), 0);
    const bool refused = [&] {
        test::FileSizeLimit limit(8);
        return !save(dir / "second");
    }();
    EXPECT_TRUE(refused);
    EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
    EXPECT_EQ(std::pair(slurp(dir / "first"), slurp(dir / "second")), std::pair(std::string("previous"), std::string("previous")));
    ASSERT_TRUE(save(dir / "second"));
    EXPECT_EQ(std::pair(slurp(dir / "first"), slurp(dir / "second")), std::pair(bytes, bytes));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "first").c_str(), &st), 0);
    EXPECT_EQ(std::pair(st.st_nlink, st.st_mode), std::pair(nlink_t{2}, mode_t{S_IFREG | 0604}));
    EXPECT_EQ(entries(), (Texts{"first", "second"}));
}

// In a folder that takes no new file an existing file is still saved (in
// place); a new name there is refused as before.
TEST_P(SaveTarget, LockedFolderStillSavesAnExistingFile) {
    const std::string bytes = fresh();
    std::ofstream(dir / "kept") << "previous, longer than what replaces it... " << std::string(4000, 'x');
    const auto saved = test::inLockedFolder(dir.path, [&] { return save(dir / "kept") && !save(dir / "new"); });
    if (!saved) GTEST_SKIP() << "no way to lock the folder here";
    EXPECT_TRUE(*saved);
    EXPECT_EQ(slurp(dir / "kept"), bytes);
    EXPECT_EQ(entries(), Texts{"kept"});
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveTarget, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rho

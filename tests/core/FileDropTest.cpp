// The drop target's split of dropped paths into full path, name and
// extension, and the order of its drop handling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/FileDrop.h"

namespace rho {
namespace {

TEST(FileDrop, NameAndExtensionFollowTheLastSeparatorAndTheFirstDot) {
    struct Case {
        const char *path, *name, *extension;
    };
    const Case cases[] = {
        {"/tilings/star.rho", "star.rho", "rho"},
        {"/my.dir/a.b.rho", "a.b.rho", "b.rho"},  // dots of directories do not count
        {"/tilings/README", "README", ""},
        {"/tilings/name.", "name.", ""},
        {"/home/.profile", ".profile", "profile"},
        {"/tilings/", "", ""},
        {"plain.rhs", "plain.rhs", "rhs"},
#ifdef _WIN32
        {"C:\\tilings\\star.rho", "star.rho", "rho"},
        {"C:\\my.dir\\a.b.rho", "a.b.rho", "b.rho"},
#else
        {"/odd\\name.x.rho", "odd\\name.x.rho", "x.rho"},  // a backslash is part of a name here
#endif
    };
    for (const Case& c : cases) {
        const PathParts parts = splitDroppedPath(c.path);
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
}

TEST(FileDrop, EveryDropRefillsTheListsThenNotifies) {
    FileDropTarget target;
    EXPECT_TRUE(target.EnableDrop);
    EXPECT_EQ(target.FileCount, 0);
    int notified = 0;
    std::size_t listedAtNotice = 0;
    target.OnDrop = [&](FileDropTarget& sender) {
        ++notified;
        listedAtNotice = sender.Extension.size();
        EXPECT_EQ(&sender, &target);
    };

    const std::string longPath = "/" + std::string(300, 'd') + "/deep.name.rho";
    target.drop({"/a/one.rho", "/b/two", longPath});
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(listedAtNotice, 3u);
    EXPECT_EQ(target.FileCount, 3);
    EXPECT_EQ(target.NameWithPath, (std::vector<std::string>{"/a/one.rho", "/b/two", longPath}));
    EXPECT_EQ(target.NameOnly, (std::vector<std::string>{"one.rho", "two", "deep.name.rho"}));
    EXPECT_EQ(target.Extension, (std::vector<std::string>{"rho", "", "name.rho"}));

    target.drop({"/c/three.rhs"});
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(target.FileCount, 1);
    EXPECT_EQ(target.NameWithPath, (std::vector<std::string>{"/c/three.rhs"}));
    EXPECT_EQ(target.NameOnly, (std::vector<std::string>{"three.rhs"}));
    EXPECT_EQ(target.Extension, (std::vector<std::string>{"rhs"}));
}

TEST(FileDrop, DisabledTargetIgnoresDropsAndReportsTheSwitch) {
    FileDropTarget target;
    std::vector<bool> switches;
    target.OnEnableChanged = [&](bool on) { switches.push_back(on); };
    target.drop({"/a/kept.rho"});
    target.setEnableDrop(false);
    target.drop({"/a/ignored.rho", "/a/too.rho"});
    EXPECT_EQ(target.NameOnly, (std::vector<std::string>{"kept.rho"}));
    target.setEnableDrop(true);
    target.drop({});
    EXPECT_EQ(target.FileCount, 0);
    EXPECT_TRUE(target.NameWithPath.empty());
    EXPECT_EQ(switches, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace rho

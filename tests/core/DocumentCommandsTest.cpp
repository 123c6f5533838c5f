#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/DocumentCommands.h"
#include "io/TilingFile.h"
#include "support/FakeShell.h"

namespace rho {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct DocumentCommandsTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    fs::path dir;
    std::string good, bad;  // an accepted file of two shapes, a refused file

    void SetUp() override {
        char name[] = "/tmp/rho-doc-XXXXXX";
        dir = ::mkdtemp(name);
        good = dir / "good.rho";
        bad = dir / "bad.rho";
        std::ofstream(good) << "960905\n1\n0.000000 0.000000 1 0 1\n40.000000 0.000000 0 2 -5\n-1\n";
        std::ofstream(bad) << "960905\n1\n0.000000 0.000000 1 0 1\n";
        shell.messages.clear();
    }
    void TearDown() override { fs::remove_all(dir); }

    void addShape() { t->shapes[++t->shapeLast] = TileShape{10.0 * t->shapeLast, 0.0, 1, 0, 1}; }
    void chooseFile(const std::string& path) { shell.fileChoices.push_back(FileChoice{path, 1}); }
    // A document stored under `path`, not modified.
    void named(const std::string& path) {
        setFileName(*t, path, shell);
        t->untitled = 0;
        t->modified = 0;
    }
    // The file state: name, caption, modified and untitled flags.
    void expectFile(const std::string& name, const std::string& shown, int modified, int untitled) {
        EXPECT_EQ(t->fileName, name);
        EXPECT_EQ(shell.caption, "rho 2.0 " + shown);
        EXPECT_EQ(t->modified, modified);
        EXPECT_EQ(t->untitled, untitled);
    }
    void drop(const std::string& path, const std::string& extension) {
        FileDropTarget dropper;
        dropper.NameWithPath = {path};
        dropper.NameOnly = {fs::path(path).filename()};
        dropper.Extension = {extension};
        dropper.FileCount = 1;
        Dropper1Drop(*t, shell, dropper);
    }
};

TEST_F(DocumentCommandsTest, NewAsksOnlyForWorkWorthKeeping) {
    addShape();
    t->modified = 0;
    new1Click(*t, shell);  // untitled and not modified: nothing at all
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(t->shapeLast, 0);

    t->modified = 1;
    shell.answers = {Answer::Yes};
    SpeedButton1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Do you want save current file?"});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(t->shapeLast, 0);

    named(good);  // a named document is asked about even when unchanged
    shell.answers = {Answer::No};
    new1Click(*t, shell);
    EXPECT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(t->shapeLast, -1);
    expectFile("untitled", "untitled", 0, 1);
    EXPECT_EQ(shell.panels[0], "shapes:0 contour:0");
}

TEST_F(DocumentCommandsTest, OpenShowsItsDialogAndTakesTheFile) {
    addShape();
    t->modified = 1;
    shell.answers = {Answer::Yes};
    open1Click(*t, shell);
    EXPECT_TRUE(shell.dialogs.empty());  // Yes stops before the dialog

    shell.answers = {Answer::No};
    SpeedButton3Click(*t, shell);  // cancelled dialog
    ASSERT_EQ(shell.dialogs.size(), 1u);
    const FileDialogRequest& r = shell.dialogs[0].request;
    EXPECT_FALSE(shell.dialogs[0].save);
    EXPECT_EQ(r.title, "open file");
    EXPECT_EQ(r.filter, "penrose tiling(*.rho)|*.rho");
    EXPECT_EQ(r.defaultExt, "rho");
    EXPECT_TRUE(r.mustExist);
    EXPECT_EQ(t->shapeLast, 0);

    shell.answers = {Answer::No};
    chooseFile(good);
    open1Click(*t, shell);
    EXPECT_EQ(t->shapeLast, 1);
    EXPECT_EQ(t->shapes[1].color, -5);
    expectFile(good, good, 0, 0);
}

TEST_F(DocumentCommandsTest, RefusedOpenOrDropKeepsTheNameSoSaveCannotOverwriteIt) {
    const std::string mine = dir / "mine.rho";
    addShape();
    named(mine);
    const std::string badBytes = slurp(bad);
    for (int how = 0; how < 2; ++how) {
        shell.messages.clear();
        if (how == 0) {
            chooseFile(bad);
            open1Click(*t, shell);
        } else {
            drop(bad, "rho");
        }
        EXPECT_EQ(shell.messageTexts(), Texts{"Error reading file"});
        EXPECT_EQ(t->shapeLast, -1);
        expectFile(mine, mine, 0, 0);

        addShape();
        t->modified = 1;
        save1Click(*t, shell);
        EXPECT_EQ(slurp(bad), badBytes);
        EXPECT_EQ(slurp(mine), tilingText(*t));
        t->modified = 0;
    }
}

TEST_F(DocumentCommandsTest, SaveOfAnUntitledDocumentAsksForAName) {
    save1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Nothing to save,"});
    EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
    EXPECT_TRUE(shell.dialogs.empty());

    addShape();
    t->modified = 1;
    chooseFile((dir / "missing" / "x.rho").string());
    SpeedButton2Click(*t, shell);  // cannot be created
    ASSERT_EQ(shell.dialogs.size(), 1u);
    const FileDialogRequest& r = shell.dialogs[0].request;
    EXPECT_TRUE(shell.dialogs[0].save);
    EXPECT_EQ(r.title, "save tiling as");
    EXPECT_EQ(r.filter, "penrose tiling (*.rho)|*rho");
    EXPECT_EQ(r.defaultExt, "rho");
    EXPECT_TRUE(r.confirmOverwrite);
    expectFile(dir / "missing" / "x.rho", "untitled", 1, 1);

    const std::string path = dir / "new.rho";
    chooseFile(path);
    save1Click(*t, shell);
    EXPECT_EQ(slurp(path), tilingText(*t));
    expectFile(path, path, 0, 0);
}

TEST_F(DocumentCommandsTest, SaveOfANamedDocumentStaysModifiedWhenTheWriteFails) {
    addShape();
    named(good);
    t->modified = 1;
    save1Click(*t, shell);
    EXPECT_TRUE(shell.dialogs.empty());
    EXPECT_EQ(slurp(good), tilingText(*t));
    EXPECT_EQ(t->modified, 0);

    named((dir / "gone" / "a.rho").string());
    t->modified = 1;
    save1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), (Texts{"Can not create file", "Error writing file"}));
    EXPECT_EQ(t->modified, 1);
    EXPECT_EQ(t->statusText, "saving file");
}

TEST_F(DocumentCommandsTest, SaveAsMovesNoFlag) {
    saveas1Click(*t, shell);
    EXPECT_EQ(shell.messageTexts(), Texts{"Nothing to save,"});

    addShape();
    t->modified = 1;
    const std::string path = dir / "as.rho";
    chooseFile(path);
    saveas1Click(*t, shell);
    EXPECT_EQ(shell.dialogs.back().request.filter, "penrose tiling (*.rho)|*.rho");
    EXPECT_EQ(shell.dialogs.back().request.title, "save tiling as");
    EXPECT_EQ(slurp(path), tilingText(*t));
    expectFile(path, path, 1, 1);

    chooseFile((dir / "gone" / "b.rho").string());  // a failed save as keeps the shown name
    saveas1Click(*t, shell);
    expectFile(path, path, 1, 1);
}

TEST_F(DocumentCommandsTest, DropOpensOnlyTheExtensionRho) {
    for (const char* ext : {"RHO", "old.rho", "rhs", ""}) {
        drop(good, ext);
        EXPECT_EQ(t->shapeLast, -1) << ext;
    }
    Dropper1Drop(*t, shell, FileDropTarget{});  // no files at all
    EXPECT_TRUE(shell.messages.empty());

    addShape();
    t->modified = 1;
    shell.answers = {Answer::Yes};
    drop(good, "rho");
    EXPECT_EQ(t->shapeLast, 0);
    shell.answers = {Answer::No};
    drop(good, "rho");
    EXPECT_EQ(t->shapeLast, 1);
    expectFile(good, good, 0, 0);
}

}  // namespace
}  // namespace rho

// The rule sets as shipped: rhotool writes them as committed, the set editor opens them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <filesystem>
#include <sstream>

#include "app/DataFolder.h"
#include "app/Dialogs.h"
#include "app/QtModalUi.h"
#include "app/RhoTool.h"
#include "app/SetEditorWindow.h"
#include "edit/Creation.h"
#include "gui/OnNextModal.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

const std::string kExamples = std::filesystem::canonical(RHO_SOURCE_DIR "/examples").string();

TEST(RuleSetsShipped, RhotoolWritesBothSetsByteForByteAsCommitted) {
    test::TempDir dir{"rule-sets"};
    std::ostringstream out, err;
    ASSERT_EQ(runRhoTool({"sets", dir.path.string()}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "wrote " + dir / "matching-arcs.rhs\nwrote " + dir / "ammann-bars.rhs\n");
    for (const char* name : {"matching-arcs.rhs", "ammann-bars.rhs"})
        EXPECT_EQ(test::slurp(dir / name), test::slurp(kExamples + "/" + name)) << name << " differs from rhotool's";

    std::ostringstream out2, err2;
    EXPECT_EQ(runRhoTool({"sets", dir / "missing"}, out2, err2), 1);
    EXPECT_EQ(err2.str(), "rhotool: " + dir / "missing/matching-arcs.rhs:\nCan not create file\n");
    EXPECT_EQ(runRhoTool({"sets"}, out2, err2), 2);
}

TEST(RuleSetsShipped, SetsFolderIsTheInstalledOneBesideTheProgramElseTheSourceExamples) {
    test::TempDir prefix{"sets-prefix"};
    std::filesystem::create_directories(prefix.path / "bin");
    const QString bin = QString::fromStdString(prefix / "bin");
    EXPECT_EQ(setsFolderFor(bin), kExamples);
    std::filesystem::create_directories(prefix.path / "share/rho/sets");
    EXPECT_EQ(setsFolderFor(bin), prefix / "share/rho/sets");
    // The tests run from the build tree, which has no installed folder.
    EXPECT_EQ(setsFolder(), kExamples);
}

TEST(RuleSetsShipped, SetEditorOpenDialogStartsInTheSetsFolder) {
    test::FakeShell mainShell;
    auto t = createTiling(mainShell);
    QtModalUi ui;
    seteditor1Click(*t, mainShell, ui, nullptr);
    TForm4* editor = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TForm4*>(w); f && f->isVisible()) editor = f;
    ASSERT_NE(editor, nullptr);
    QAction* open = nullptr;
    for (QAction* a : editor->findChildren<QAction*>())
        if (a->text() == "open...") open = a;
    ASSERT_NE(open, nullptr);

    QString title, folder;
    QStringList filters, files;
    const test::OnNextModal answer([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    open->trigger();
    EXPECT_EQ(std::tuple(title, folder.toStdString(), filters),
              std::tuple("open file", kExamples, QStringList{"penrose tiling(*.rhs) (*.rhs)"}));
    EXPECT_EQ(editor->windowTitle(), "rho 2.0 - set editor - untitled");  // cancelled: nothing opened
    editor->close();
    QApplication::processEvents();
}

}  // namespace
}  // namespace rho

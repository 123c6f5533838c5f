#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QTest>

#include "app/QtModalUi.h"
#include "app/SetEditorWindow.h"
#include "edit/Creation.h"
#include "gui/OnNextModal.h"
#include "gui/ScriptedModalUi.h"
#include "seteditor/SetEditor.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct SetEditorLook : ::testing::Test {
    test::FakeShell mainShell;
    std::unique_ptr<Tiling> t = createTiling(mainShell);
    test::ScriptedModalUi scripted;
    QWidget mainWindow;

    TForm4* open(ModalUi& ui) {
        auto* editor = new TForm4(*t, mainShell, ui, &mainWindow);
        editor->show();
        QApplication::processEvents();
        return editor;
    }
    static QWidget* swatch(TForm4* editor, const char* name) {
        for (QWidget* w : editor->findChildren<QWidget*>())
            if (w->accessibleName() == QLatin1String(name) && !qobject_cast<QAbstractButton*>(w)) return w;
        return nullptr;
    }
};

TEST_F(SetEditorLook, EveryButtonCarriesItsHintAsItsAccessibleName) {
    TForm4* editor = open(scripted);
    QStringList names;
    for (const QAbstractButton* b : editor->findChildren<QAbstractButton*>()) {
        if (!b->isVisible()) continue;  // a tool bar's overflow arrow shows only when the bar is cut
        EXPECT_EQ(b->accessibleName(), b->toolTip());
        names << b->accessibleName();
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{"add line", "add polygon", "add polyline", "color picker", "delete points",
                                  "edit large shape", "edit small shape", "grid from left", "grid from right",
                                  "grid from up", "grif from down", "move points", "orthogonal grid",
                                  "set grid unit to larger", "set grid unit to smaller", "snap to grid",
                                  "snap to points"}));
    editor->close();
}

TEST_F(SetEditorLook, SwatchHintsFollowEveryColourTakenEvenAnEqualOne) {
    TForm4* editor = open(scripted);
    QWidget* line = swatch(editor, "line color");
    QWidget* fill = swatch(editor, "polygon color");
    ASSERT_TRUE(line && fill);
    scripted.colorChoices = {std::nullopt, 0x000000};
    QTest::mouseClick(line, Qt::LeftButton);  // cancelled: the hint stays
    EXPECT_EQ(line->toolTip(), "line color");
    QTest::mouseClick(line, Qt::LeftButton);  // black again, as it was
    EXPECT_EQ(std::tuple(line->toolTip(), line->accessibleName(), line->accessibleDescription()),
              std::tuple(QString("0-0-0"), QString("line color"), QString("0-0-0")));
    QTest::mouseClick(line, Qt::RightButton);  // white from the polygon swatch
    QTest::mouseClick(fill, Qt::RightButton);  // white from the line swatch: equal
    EXPECT_EQ(std::pair(line->toolTip(), fill->toolTip()), std::pair(QString("255-255-255"), QString("255-255-255")));
    EXPECT_EQ(std::pair(editor->editor().currentLineColor, editor->editor().currentFillColor),
              std::pair(Color(0xffffff), Color(0xffffff)));
    editor->close();
}

TEST_F(SetEditorLook, ColourDialogOpensOverTheEditor) {
    QtModalUi real;
    TForm4* editor = open(real);
    QWidget* dialogParent = nullptr;
    const test::OnNextModal answer([&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialogParent = dialog->parentWidget();
        dialog->reject();
    });
    QTest::mouseClick(swatch(editor, "polygon color"), Qt::LeftButton);
    EXPECT_EQ(dialogParent, editor);
    EXPECT_EQ(editor->editor().currentFillColor, Color(0xffffff));
    editor->close();
}

}  // namespace
}  // namespace rho

// The modal dialogs as windows, each run once through scripted modal
// answers: captions and field texts, buttons pressed by their captions.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <set>

#include "app/DialogForms.h"
#include "app/Dialogs.h"
#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"
#include "ScriptedModalUi.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

// Every text the dialog shows, in creation order; a ticked check box is
// marked "[x]", a disabled one "[-]".
Texts shown(QDialog& d) {
    Texts out;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) out.push_back(l->text().toStdString());
        if (auto* g = qobject_cast<QGroupBox*>(w)) out.push_back(g->title().toStdString());
        if (auto* e = qobject_cast<QLineEdit*>(w)) out.push_back(e->text().toStdString());
        if (auto* b = qobject_cast<QPushButton*>(w)) out.push_back(b->text().toStdString());
        if (auto* c = qobject_cast<QCheckBox*>(w))
            out.push_back((c->isEnabled() ? c->isChecked() ? "[x] " : "[ ] " : "[-] ") + c->text().toStdString());
    }
    return out;
}

void press(QDialog& d, const char* caption) {
    for (auto* b : d.findChildren<QAbstractButton*>())
        if (b->text() == caption || b->objectName() == caption) return b->click();
    ADD_FAILURE() << "no button " << caption;
}

void type(QDialog& d, const char* edit, const char* value) { d.findChild<QLineEdit*>(edit)->setText(value); }

struct DialogForms : ::testing::Test {
    test::ScriptedModalUi ui;
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 0.75});
    Tiling& t = *tiling;
    std::vector<int> results;  // the dialog's result after each press that should decide
};

TEST_F(DialogForms, BoundingBoxDialogKeepsLettersOutAndTakesIntegers) {
    t.box = BoundingBox{-3.5, 12.25, 1000.7, 700.2};
    t.ratioMode = 0;
    ui.dialogActions.push_back([&](QDialog& d) {
        EXPECT_EQ(shown(d), (Texts{"upper left corner:", "width & height:", "-3", "12", "1000", "700",
                                   "[ ] keep printing area's ratio", "cancel", "accept"}));
        press(d, "keep printing area's ratio");
        press(d, "Edit1Down");  // -3 -> -4
        type(d, "Edit4", "tall");
        press(d, "accept");
        results.push_back(d.result());
        type(d, "Edit4", "800");
        press(d, "accept");
        return d.result();
    });
    setboundingbox1Click(t, shell, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 bounding box"});
    EXPECT_EQ(shell.messageTexts(), Texts{"Integer numbers between -10000 and 10000 are excepted"});
    EXPECT_EQ(results, std::vector<int>{QDialog::Rejected});  // stayed open
    EXPECT_EQ(std::tuple(t.box.x, t.box.y, t.box.w, t.box.h, t.ratioMode), std::tuple(-4.0, 12.0, 1000.0, 800.0, 1));
}

TEST_F(DialogForms, PrintingOptionsShowAndTakeTheOptions) {
    std::tie(t.frameLineWidth, t.shapeLineWidth) = std::pair(2, 3);
    ui.dialogActions.push_back([](QDialog& d) {
        EXPECT_EQ(shown(d), (Texts{"bounding box", "[x] print bounding box", "line width", "2", "shape prints",
                                   "[ ] print color", "line width", "3", "accept", "cancel"}));
        press(d, "print bounding box");
        press(d, "print color");
        type(d, "Edit1", "wide");
        press(d, "Edit2Up");  // 3 -> 4
        press(d, "accept");
        return d.result();
    });
    printingopties1Click(t, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 - printing options"});
    EXPECT_EQ((std::vector<int>{t.printBoundingBox, t.printColor, t.frameLineWidth, t.shapeLineWidth}),
              (std::vector<int>{0, 1, 2, 4}));
}

TEST_F(DialogForms, QuasitilerDialogRefusesFourAndGeneratesFive) {
    ui.dialogActions.push_back([this](QDialog& d) {
        const Texts texts = shown(d);
        EXPECT_EQ(Texts(texts.begin(), texts.end() - 1), (Texts{"size of pattern", "maximum radius 5..50", "10", "do it",
                                                               "cancel", "Special thanks"}));
        press(d, "Edit1Down");
        EXPECT_EQ(shown(d)[2], "9");
        type(d, "Edit1", "4");
        press(d, "do it");
        results.push_back(d.result());
        type(d, "Edit1", "5");
        press(d, "do it");
        return d.result();
    });
    quasitiler1Click(t, shell, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 - QuasiTiler"});
    EXPECT_EQ(shell.messageTexts(), Texts{"An integer number is required between 5 and 50"});
    EXPECT_EQ(results, std::vector<int>{QDialog::Rejected});
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified, shell.statusHistory.front(), t.statusText),
              std::tuple(30, 1, "quaitiler works...", "idle"));
}

// The picture is drawn by the renderer: both shape colours and the black
// outlines appear in it, on the background, and nothing else does.
TEST_F(DialogForms, AboutBoxShowsItsPictureAndContinues) {
    std::set<QRgb> colours;
    ui.dialogActions.push_back([&](QDialog& d) {
        const QImage image = d.findChild<QLabel*>("Picture")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(std::tuple(d.size(), image.size(), d.windowFlags().testFlag(Qt::FramelessWindowHint)),
                  std::tuple(QSize(348, 271), QSize(350, 100), true));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xffffff);
        press(d, "continue");
        results.push_back(d.result());
        return d.result();
    });
    about1Click(ui, nullptr);
    const auto qrgb = [](Color c) { return toQColor(c).rgb() & 0xffffff; };
    EXPECT_EQ(colours, (std::set<QRgb>{qrgb(kAboutBackground), qrgb(kAboutLargeColor), qrgb(kAboutSmallColor), 0}));
    EXPECT_EQ(results, std::vector<int>{QDialog::Accepted});
}

}  // namespace
}  // namespace rho

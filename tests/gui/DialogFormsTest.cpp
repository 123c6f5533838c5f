// The modal dialogs as windows, each run once through scripted modal
// answers: captions, field texts, and buttons pressed by their captions.
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

QPushButton* button(QDialog& d, const char* caption) {
    for (auto* b : d.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

std::string text(QDialog& d, const char* editName) { return d.findChild<QLineEdit*>(editName)->text().toStdString(); }

void type(QDialog& d, const char* editName, const char* value) { d.findChild<QLineEdit*>(editName)->setText(value); }

Texts labels(QDialog& d) {
    Texts out;
    for (auto* l : d.findChildren<QLabel*>()) out.push_back(l->text().toStdString());
    return out;
}

Texts groupTitles(QDialog& d) {
    Texts out;
    for (auto* g : d.findChildren<QGroupBox*>()) out.push_back(g->title().toStdString());
    return out;
}

struct DialogForms : ::testing::Test {
    test::ScriptedModalUi ui;
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 0.75});
    Tiling& t = *tiling;
};

TEST_F(DialogForms, BoundingBoxDialogKeepsLettersOutAndTakesIntegers) {
    t.box = BoundingBox{-3.5, 12.25, 1000.7, 700.2};
    t.ratioMode = 0;
    int results[2] = {-1, -1};
    ui.dialogActions.push_back([&](QDialog& d) {
        EXPECT_EQ(labels(d), (Texts{"upper left corner:", "width & height:"}));
        EXPECT_EQ((Texts{text(d, "Edit1"), text(d, "Edit2"), text(d, "Edit3"), text(d, "Edit4")}),
                  (Texts{"-3", "12", "1000", "700"}));
        auto* ratio = d.findChild<QCheckBox*>("CheckBox1");
        EXPECT_EQ(std::tuple(ratio->text().toStdString(), ratio->isChecked(), ratio->isEnabled()),
                  std::tuple("keep printing area's ratio", false, true));
        ratio->click();
        EXPECT_EQ(t.ratioMode, 1);
        d.findChild<QToolButton*>("Edit1Down")->click();  // -3 -> -4
        type(d, "Edit4", "tall");
        button(d, "accept")->click();
        results[0] = d.result();
        type(d, "Edit4", "800");
        button(d, "accept")->click();
        results[1] = d.result();
        return d.result();
    });
    setboundingbox1Click(t, shell, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 bounding box"});
    EXPECT_EQ(shell.messageTexts(), Texts{"Integer numbers between -10000 and 10000 are excepted"});
    EXPECT_EQ(std::pair(results[0], results[1]), std::pair(int(QDialog::Rejected), int(QDialog::Accepted)));
    EXPECT_EQ(std::tuple(t.box.x, t.box.y, t.box.w, t.box.h, t.ratioMode), std::tuple(-4.0, 12.0, 1000.0, 800.0, 1));
}

TEST_F(DialogForms, PrintingOptionsShowAndTakeTheOptions) {
    t.frameLineWidth = 2;
    t.shapeLineWidth = 3;
    ui.dialogActions.push_back([](QDialog& d) {
        EXPECT_EQ(groupTitles(d), (Texts{"bounding box", "shape prints"}));
        EXPECT_EQ(labels(d), (Texts{"line width", "line width"}));
        auto* frame = d.findChild<QCheckBox*>("CheckBox1");
        auto* color = d.findChild<QCheckBox*>("CheckBox2");
        EXPECT_EQ(std::tuple(frame->text().toStdString(), frame->isChecked(), color->text().toStdString(),
                             color->isChecked(), text(d, "Edit1"), text(d, "Edit2")),
                  std::tuple("print bounding box", true, "print color", false, "2", "3"));
        frame->click();
        color->click();
        type(d, "Edit1", "wide");
        d.findChild<QToolButton*>("Edit2Up")->click();  // 3 -> 4
        button(d, "accept")->click();
        return d.result();
    });
    printingopties1Click(t, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 - printing options"});
    EXPECT_EQ((std::vector<int>{t.printBoundingBox, t.printColor, t.frameLineWidth, t.shapeLineWidth}),
              (std::vector<int>{0, 1, 2, 4}));
}

TEST_F(DialogForms, QuasitilerDialogRefusesFourAndGeneratesFive) {
    ui.dialogActions.push_back([this](QDialog& d) {
        EXPECT_EQ(groupTitles(d), (Texts{"size of pattern", "Special thanks"}));
        EXPECT_EQ(labels(d).front(), "maximum radius 5..50");
        EXPECT_EQ(text(d, "Edit1"), "10");
        d.findChild<QToolButton*>("Edit1Down")->click();
        EXPECT_EQ(text(d, "Edit1"), "9");
        type(d, "Edit1", "4");
        button(d, "do it")->click();
        EXPECT_EQ(std::pair(d.result(), t.shapeCount()), std::pair(int(QDialog::Rejected), 0));
        type(d, "Edit1", "5");
        button(d, "do it")->click();
        return d.result();
    });
    quasitiler1Click(t, shell, ui, nullptr);
    EXPECT_EQ(ui.dialogTitles, Texts{"rho 2.0 - QuasiTiler"});
    EXPECT_EQ(shell.messageTexts(), Texts{"An integer number is required between 5 and 50"});
    EXPECT_EQ(std::tuple(t.shapeCount(), t.modified, shell.statusHistory.front(), t.statusText),
              std::tuple(30, 1, "quaitiler works...", "idle"));
}

// The picture is drawn by the renderer: both shape colours and the black
// outlines appear in it, on the background, and nothing else does.
TEST_F(DialogForms, AboutBoxShowsItsPictureAndContinues) {
    QSize client, picture;
    std::set<QRgb> colours;
    bool frameless = false;
    ui.dialogActions.push_back([&](QDialog& d) {
        client = d.size();
        frameless = d.windowFlags().testFlag(Qt::FramelessWindowHint);
        const QImage image = d.findChild<QLabel*>("Picture")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        picture = image.size();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xffffff);
        button(d, "continue")->click();
        return d.result();
    });
    about1Click(ui, nullptr);
    EXPECT_EQ(std::tuple(client, picture, frameless), std::tuple(QSize(348, 271), QSize(350, 100), true));
    const auto qrgb = [](Color c) { return toQColor(c).rgb() & 0xffffff; };
    EXPECT_EQ(colours, (std::set<QRgb>{qrgb(kAboutBackground), qrgb(kAboutLargeColor), qrgb(kAboutSmallColor), 0}));
}

}  // namespace
}  // namespace rho

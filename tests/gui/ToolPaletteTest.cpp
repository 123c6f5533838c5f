// The tool palette window, clicked as a user would: its tool buttons set the
// main window's tool and the status line, its swatches the current colour
// and the palette entries.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/QtSurface.h"
#include "app/ToolPalette.h"
#include "edit/Creation.h"
#include "gui/ScriptedModalUi.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct ToolPaletteTest : ::testing::Test {
    test::FakeShell shell;
    test::ScriptedModalUi ui;
    std::unique_ptr<Tiling> t = createTiling(shell);
    QWidget mainWindow;
    TForm2* palette = new TForm2(*t, shell, ui, &mainWindow);

    void SetUp() override { palette->show(); }
    QToolButton* button(const char* hint) {
        for (QToolButton* b : palette->findChildren<QToolButton*>())
            if (b->accessibleName() == QLatin1String(hint)) return b;
        ADD_FAILURE() << "no button " << hint;
        return nullptr;
    }
    QWidget* swatch(int i) { return palette->findChild<QWidget*>(QStringLiteral("Shape%1").arg(i)); }
    // Pixel (x, y) of a swatch as it paints itself.
    Color swatchPixel(int i, int x, int y) { return fromQRgb(swatch(i)->grab().toImage().pixel(x, y)); }
    // Outline width and colour, and the fill, read from the swatch's pixels.
    std::tuple<Color, Color, Color> swatchLook(int i) {
        return {swatchPixel(i, 0, 0), swatchPixel(i, 1, 1), swatchPixel(i, 11, 7)};
    }
};

TEST_F(ToolPaletteTest, WindowShowsTheButtonsOnlyWithEditDown) {
    EXPECT_EQ(palette->windowTitle(), "rho 2.0");
    EXPECT_TRUE(palette->windowFlags().testFlags(Qt::Tool | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(std::pair(palette->x(), palette->y()), std::pair(-1, 114));
    // Client heights: the outer 123 and 291 less a tool window's 26-pixel frame.
    EXPECT_EQ(std::pair(palette->width(), palette->height()), std::pair(55, 97));
    const char* hints[] = {"edit", "select", "erase", "colorize", "zoom", "scroll", "origo & bounding box", "floodfill"};
    for (const char* hint : hints) {
        QToolButton* b = button(hint);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(std::pair(b->toolTip(), b->isChecked()), std::pair(QString(hint), hint == hints[0]));
        EXPECT_EQ(b->size(), QSize(25, 25));
    }
    EXPECT_EQ(button("origo & bounding box")->pos(), QPoint(0, 72));
    EXPECT_EQ(button("colorize")->pos(), QPoint(24, 24));
    EXPECT_EQ(swatch(11)->geometry(), QRect(25, 104, 22, 15));
    EXPECT_EQ(swatch(10)->geometry(), QRect(1, 248, 22, 15));
    EXPECT_EQ(swatch(4)->toolTip(), "255-0-0");
}

TEST_F(ToolPaletteTest, ToolButtonsSetTheToolTheStatusAndTheHeight) {
    const struct {
        const char* hint;
        ToolMode tool;
        int height;
        const char* text;
    } cases[] = {
        {"colorize", ToolMode::Colorize, 265, "tool: colorize shapes"},
        {"zoom", ToolMode::Zoom, 97, "tool: zoom in & out"},
        {"floodfill", ToolMode::Floodfill, 265, "tool: floodfill"},
        {"origo & bounding box", ToolMode::OrigoBoundingBox, 97, "tool: set origo & bounding box"},
        {"edit", ToolMode::Edit, 97, "tool: edit the tiling"},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(button(c.hint), Qt::LeftButton);
        EXPECT_EQ(t->tool, c.tool) << c.hint;
        EXPECT_EQ(std::pair(palette->height(), shell.panels[1]), std::pair(c.height, std::string(c.text)));
        // Every swatch shows, or none does.
        const bool swatches = c.height == 265;
        EXPECT_EQ(palette->rect().contains(swatch(10)->geometry()), swatches);
        EXPECT_EQ(palette->rect().intersects(swatch(1)->geometry()), swatches);
        int down = 0;
        for (QToolButton* b : palette->findChildren<QToolButton*>()) down += b->isChecked();
        EXPECT_EQ(std::pair(down, button(c.hint)->isChecked()), std::pair(1, true));
    }
    // The origo tool showed the origin and the box, and leaving it hid them.
    EXPECT_EQ(std::pair(t->displayOrigin, t->displayBoundingBox), std::pair(0, 0));
}

TEST_F(ToolPaletteTest, LeftClickOnASwatchMovesTheCurrentColourMark) {
    const Color black = 0, shadow = shell.systemColor(SystemColor::ButtonShadow);
    EXPECT_EQ(swatchLook(3), std::tuple(shadow, shadow, t->palette[3]));
    EXPECT_EQ(swatchLook(8), std::tuple(black, t->palette[8], t->palette[8]));
    QTest::mouseClick(swatch(8), Qt::LeftButton);
    EXPECT_EQ(t->currentColor, 8);
    EXPECT_EQ(swatchLook(8), std::tuple(shadow, shadow, t->palette[8]));
    EXPECT_EQ(swatchLook(3), std::tuple(black, t->palette[3], t->palette[3]));
    QTest::mouseClick(swatch(8), Qt::LeftButton);  // already current: stays marked
    EXPECT_EQ(swatchLook(8), std::tuple(shadow, shadow, t->palette[8]));
}

TEST_F(ToolPaletteTest, OtherButtonsEditTheEntryThroughTheColourDialog) {
    const Color chosen = rgb(1, 2, 3);
    ui.colorChoices = {chosen, std::nullopt};
    QTest::mouseClick(swatch(15), Qt::RightButton);
    EXPECT_EQ(std::pair(t->palette[15], t->currentColor), std::pair(chosen, 3));
    EXPECT_EQ(std::pair(swatchPixel(15, 11, 7), swatch(15)->toolTip()), std::pair(chosen, QString("1-2-3")));
    QTest::mouseClick(swatch(15), Qt::MiddleButton);  // cancelled: nothing changes
    EXPECT_EQ(std::pair(t->palette[15], swatchPixel(15, 11, 7)), std::pair(chosen, chosen));
    EXPECT_TRUE(ui.colorChoices.empty());
}

}  // namespace
}  // namespace rho

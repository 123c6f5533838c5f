// The tool palette window clicked as a user would, and the floodfill tool on
// the view's pixels.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/QtSurface.h"
#include "app/ToolPalette.h"
#include "edit/CanvasTools.h"
#include "edit/Creation.h"
#include "gui/ScriptedModalUi.h"
#include "render/Renderer.h"
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
            if (b->accessibleName() == QLatin1String(hint) && b->toolTip() == QLatin1String(hint)) return b;
        return nullptr;
    }
    QWidget* swatch(int i) { return palette->findChild<QWidget*>(QStringLiteral("Shape%1").arg(i)); }
    Color swatchPixel(int i, int x, int y) { return fromQRgb(swatch(i)->grab().toImage().pixel(x, y)); }
    // The outline's first and second pixel rows and the fill, as painted.
    std::tuple<Color, Color, Color> swatchLook(int i) {
        return {swatchPixel(i, 0, 0), swatchPixel(i, 1, 1), swatchPixel(i, 11, 7)};
    }
};

TEST_F(ToolPaletteTest, WindowStartsWithEditDownAndTheSwatchesHidden) {
    EXPECT_EQ(palette->windowTitle(), "rho 2.0");
    EXPECT_TRUE(palette->windowFlags().testFlags(Qt::Tool | Qt::WindowStaysOnTopHint));
    // Client height: the outer 123 less a tool window's 26-pixel frame.
    EXPECT_EQ(std::tuple(palette->x(), palette->y(), palette->height()), std::tuple(-1, 114, 97));
    EXPECT_EQ(std::pair(button("edit")->isChecked(), button("origo & bounding box")->pos()), std::pair(true, QPoint(0, 72)));
    EXPECT_EQ(std::pair(swatch(11)->geometry(), swatch(10)->geometry()), std::pair(QRect(25, 104, 22, 15), QRect(1, 248, 22, 15)));
    EXPECT_EQ(swatch(4)->toolTip(), "255-0-0");
}

TEST_F(ToolPaletteTest, ToolButtonsSetTheToolTheStatusAndTheHeight) {
    const struct {
        const char* hint;
        ToolMode tool;
        int height;
        const char* text;
    } cases[] = {
        {"colorize", ToolMode::Colorize, 265, "tool: colorize shapes"},  {"zoom", ToolMode::Zoom, 97, "tool: zoom in & out"},
        {"select", ToolMode::Select, 97, "tool: select shapes"},         {"erase", ToolMode::Erase, 97, "tool: delete shapes"},
        {"scroll", ToolMode::Scroll, 97, "tool: scroll the view"},       {"floodfill", ToolMode::Floodfill, 265, "tool: floodfill"},
        {"origo & bounding box", ToolMode::OrigoBoundingBox, 97, "tool: set origo & bounding box"},
        {"edit", ToolMode::Edit, 97, "tool: edit the tiling"},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(button(c.hint), Qt::LeftButton);
        EXPECT_EQ(std::tuple(t->tool, palette->height(), shell.panels[1]), std::tuple(c.tool, c.height, std::string(c.text)));
        int down = 0;
        for (QToolButton* b : palette->findChildren<QToolButton*>()) down += b->isChecked();
        EXPECT_EQ(std::pair(down, button(c.hint)->isChecked()), std::pair(1, true));
        // Every swatch shows, or none does.
        EXPECT_EQ(palette->rect().contains(swatch(10)->geometry()), c.height == 265);
        EXPECT_EQ(palette->rect().intersects(swatch(1)->geometry()), c.height == 265);
    }
}

TEST_F(ToolPaletteTest, SwatchesMarkTheCurrentColourAndEditEntriesThroughTheDialog) {
    const Color black = 0, shadow = shell.systemColor(SystemColor::ButtonShadow);
    EXPECT_EQ(swatchLook(3), std::tuple(shadow, shadow, t->palette[3]));
    for (int click = 0; click < 2; ++click) QTest::mouseClick(swatch(8), Qt::LeftButton);  // the second keeps it
    EXPECT_EQ(std::pair(swatchLook(8), t->currentColor), std::pair(std::tuple(shadow, shadow, t->palette[8]), 8));
    EXPECT_EQ(swatchLook(3), std::tuple(black, t->palette[3], t->palette[3]));

    const Color chosen = rgb(1, 2, 3);
    ui.colorChoices = {chosen, std::nullopt};
    QTest::mouseClick(swatch(15), Qt::RightButton);
    QTest::mouseClick(swatch(15), Qt::MiddleButton);  // cancelled: nothing changes
    EXPECT_EQ(std::tuple(t->palette[15], swatchPixel(15, 11, 7), swatch(15)->toolTip(), t->currentColor),
              std::tuple(chosen, chosen, QString("1-2-3"), 8));
    EXPECT_TRUE(ui.colorChoices.empty());
}

struct CanvasToolsPixelTest : ::testing::Test {
    QImage image{583, 415, QImage::Format_RGB32};
    QtSurface surface{image};
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    void SetUp() override {
        shell.surface = &surface;
        t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 5};
        t->shapeLast = 0;
        redrawView(*t, shell);
    }
};

TEST_F(CanvasToolsPixelTest, FloodfillPaintsTheAreaUnderThePointerAndShowsPixels) {
    t->currentColor = 8;
    FloodfillTool tool(*t, shell);
    tool.move(291, 207);
    EXPECT_EQ(shell.panels[2], "x=291 y=207  0 ; 100 ; 0");  // palette entry 5
    tool.press(MouseButton::Right, 291, 207);
    EXPECT_EQ(std::tuple(surface.pixel(300, 210), surface.pixel(20, 20)), std::tuple(t->palette[8], t->palette[2]));
    EXPECT_EQ(std::pair(t->shapes[0].color, t->modified), std::pair(5, 0));
    surface.setPixel(10, 20, rgb(255, 0, 0));
    tool.move(10, 20);
    EXPECT_EQ(shell.panels[2], "x=10 y=20  255 ; 0 ; 0");
}

}  // namespace
}  // namespace rho

// The windows at the screen's device pixel ratio: run once as it comes and
// once more by CTest with QT_SCALE_FACTOR=2, where the back buffers must hold
// two device pixels per widget pixel and one-pixel lines stay one device
// pixel wide instead of 2 x 2 blocks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <map>

#include "app/QtSurface.h"
#include "app/SetEditorShell.h"
#include "app/SetEditorWindow.h"
#include "gui/MainWindowFixture.h"

namespace rho {
namespace {

// The ratio the test was started with: QT_SCALE_FACTOR when set, else 1.
int requestedScale() {
    const char* factor = std::getenv("QT_SCALE_FACTOR");
    return factor ? bufferScale(std::atof(factor)) : 1;
}

bool isBlack(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xffffffu) == 0; }

using HiDpiWindow = test::MainWindowFixture;

TEST_F(HiDpiWindow, ViewBufferHasTheScreensDevicePixelsAndOriginLinesOneDevicePixelWide) {
    ViewWidget& view = window->view();
    const int r = view.scale();
    ASSERT_EQ(r, requestedScale());
    trigger("display origin");
    const QImage& buffer = view.buffer();
    ASSERT_EQ(buffer.size(), view.size() * r);
    const int X = static_cast<int>(t.viewOriginX), Y = static_cast<int>(t.viewOriginY);
    // The vertical line of the cross: device column r X, and neither neighbour.
    for (int y = 10 * r; y < (view.height() - 10) * r; y += 7) {
        if (y == r * Y) continue;
        ASSERT_TRUE(isBlack(buffer, r * X, y)) << y;
        ASSERT_FALSE(isBlack(buffer, r * X + 1, y)) << y;
        ASSERT_FALSE(isBlack(buffer, r * X - 1, y)) << y;
    }
}

// A slanting line drawn with the mouse in the set editor: one device pixel
// per device column, as many as its run is device pixels long.
TEST_F(HiDpiWindow, SetEditorDrawsASlantingLineOneDevicePixelWide) {
    trigger("set editor...");
    TForm4* editor = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TForm4*>(w); f && f->isVisible()) editor = f;
    ASSERT_NE(editor, nullptr);
    QApplication::processEvents();
    for (QToolButton* b : editor->findChildren<QToolButton*>())
        if (b->toolTip() == "add line" || (b->toolTip() == "snap to grid" && b->isChecked())) b->click();
    QWidget* area = editor->drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(area, QPoint(300, 240));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(300, 240));
    ASSERT_EQ(t.set.small.count, 1);
    // Hiding the grid redraws the area: the line in copy mode, no dots.
    for (QAction* a : editor->findChildren<QAction*>())
        if (a->text() == "display grid") a->trigger();

    const int r = requestedScale();
    area->repaint();
    const QImage picture = area->grab().toImage();
    ASSERT_EQ(picture.size(), area->size() * r);
    const QRgb ink = toQColor(t.set.small.objects[0].lineColor).rgb() & 0xffffffu;
    std::map<int, int> perColumn;
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xffffffu) == ink) ++perColumn[x], ++inked;
    EXPECT_GE(inked, 199 * r);
    EXPECT_LE(inked, 201 * r);
    for (const auto& [x, n] : perColumn) ASSERT_EQ(n, 1) << "device column " << x;
    ui.answers = {Answer::No};
    editor->close();
    QApplication::processEvents();
}

// The palette's glyphs come at the screen's resolution, not as 1x pictures
// blown up into blocks.
TEST_F(HiDpiWindow, PaletteGlyphsHaveAPixelForEveryDevicePixel) {
    const int r = requestedScale();
    int buttons = 0;
    for (QToolButton* b : window->toolPalette().findChildren<QToolButton*>()) {
        const QImage glyph = b->icon().pixmap(b->iconSize(), b->devicePixelRatioF()).toImage();
        ASSERT_EQ(glyph.size(), b->iconSize() * r) << b->accessibleName().toStdString();
        ++buttons;
        if (r < 2) continue;
        bool blocky = true;  // every r x r block of one colour
        for (int y = 0; y + r <= glyph.height() && blocky; y += r)
            for (int x = 0; x + r <= glyph.width() && blocky; x += r)
                for (int k = 1; k < r * r && blocky; ++k)
                    blocky = glyph.pixel(x + k % r, y + k / r) == glyph.pixel(x, y);
        EXPECT_FALSE(blocky) << b->accessibleName().toStdString();
    }
    EXPECT_EQ(buttons, 8);
}

}  // namespace
}  // namespace rho

// Run as it comes and again by CTest with QT_SCALE_FACTOR=2: back buffers hold
// the device pixels, and one-pixel lines stay one device pixel wide.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <map>

#include "app/QtSurface.h"
#include "app/SetEditorWindow.h"
#include "gui/MainWindowFixture.h"

namespace rho {
namespace {

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
    for (int y = 10 * r; y < (view.height() - 10) * r; y += 7) {
        if (y == r * Y) continue;
        ASSERT_TRUE(isBlack(buffer, r * X, y)) << y;
        ASSERT_FALSE(isBlack(buffer, r * X + 1, y)) << y;
        ASSERT_FALSE(isBlack(buffer, r * X - 1, y)) << y;
    }
}

TEST_F(HiDpiWindow, SetEditorDrawsASlantingLineOneDevicePixelWide) {
    trigger("set editor...");
    const auto editors = window->findChildren<TForm4*>();
    ASSERT_EQ(editors.size(), 1);
    TForm4* editor = editors[0];
    QApplication::processEvents();
    for (QToolButton* b : editor->findChildren<QToolButton*>())
        if (b->toolTip() == "add line" || (b->toolTip() == "snap to grid" && b->isChecked())) b->click();
    QWidget* area = editor->drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(area, QPoint(300, 240));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(300, 240));
    ASSERT_EQ(t.set.small.count, 1);
    for (QAction* a : editor->findChildren<QAction*>())  // no grid dots, the line redrawn in copy mode
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

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "app/QtSurface.h"
#include "app/SetEditorWindow.h"
#include "gui/MainWindowFixture.h"

namespace rho {
namespace {

TForm4* openEditor() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TForm4*>(w); f && f->isVisible()) return f;
    return nullptr;
}

void pressButton(QWidget* window, const QString& hint) {
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
        if (b->toolTip() != hint) continue;
        QTest::mouseClick(b, Qt::LeftButton);
        return;
    }
    ADD_FAILURE() << "no button " << hint.toStdString();
}

using DecoratedWindow = test::MainWindowFixture;

// A user draws a polygon in the set editor, closes it, and chooses
// "display as set": the main view shows the polygon on the tiling's shape
// instead of the plain rhomb; "display as shape" brings the rhomb back.
TEST_F(DecoratedWindow, PolygonDrawnInTheSetEditorShowsOnTheMainWindowsShapes) {
    t.shapes[0] = TileShape{0.0, 0.0, kSmallShape, 0, 5};
    t.shapeLast = 0;
    trigger("redraw");
    const int cx = static_cast<int>(t.viewOriginX), cy = static_cast<int>(t.viewOriginY);
    const QImage& view = window->view().buffer();
    ASSERT_EQ(view.pixelColor(cx, cy).rgb(), toQColor(t.palette[5]).rgb());  // the plain rhomb's fill

    trigger("set editor...");
    TForm4* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    QApplication::processEvents();
    pressButton(editor, "snap to grid");
    pressButton(editor, "add polygon");
    QWidget* area = editor->drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(120, 150));
    QTest::mouseMove(area, QPoint(220, 150));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(220, 150));
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(170, 250));
    QTest::mouseClick(area, Qt::RightButton, {}, QPoint(20, 20));
    ui.answers = {Answer::No};  // leave without saving the set to a file
    editor->close();
    QApplication::processEvents();
    ASSERT_EQ(openEditor(), nullptr);
    ASSERT_EQ(t.set.small.count, 1);

    trigger("display as set");
    EXPECT_EQ(window->menuItem("display as set")->isChecked(), true);
    const SetObject& polygon = t.set.small.objects[0];
    ASSERT_EQ(polygon.lastPoint, 2);
    // At zoom 1 with the shape at the world's origin and angle 0, a set point
    // lands at the view origin plus its own coordinates; every corner of the
    // polygon is drawn in its black line colour.
    for (int k = 0; k <= 2; ++k) {
        const int x = static_cast<int>(t.viewOriginX + polygon.points[k].x);
        const int y = static_cast<int>(t.viewOriginY + polygon.points[k].y);
        EXPECT_EQ(view.pixelColor(x, y), QColor(Qt::black)) << "corner " << k << " at " << x << "," << y;
    }
    // The rhomb itself is no longer filled: its centre shows the polygon's
    // white fill or the background, never the shape's colour.
    EXPECT_NE(view.pixelColor(cx, cy).rgb(), toQColor(t.palette[5]).rgb());

    trigger("display as shape");
    EXPECT_EQ(view.pixelColor(cx, cy).rgb(), toQColor(t.palette[5]).rgb());
}

}  // namespace
}  // namespace rho

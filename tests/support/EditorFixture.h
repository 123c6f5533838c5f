#pragma once
// A set editor over a fresh tiling: its own scripted shell (an 800 x 600
// drawing area unless a test resizes it) and the main window's shell.

#include <gtest/gtest.h>

#include <memory>

#include "edit/Creation.h"
#include "seteditor/EditorTools.h"
#include "seteditor/EditorView.h"
#include "seteditor/SetEditor.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho::test {

struct EditorFixture : ::testing::Test {
    FakeShell mainShell;
    FakeShell editorShell{800, 600};
    std::unique_ptr<Tiling> tiling = createTiling(mainShell);
    SetEditor e{*tiling, editorShell, mainShell};

    void SetUp() override {
        startSetEditor(e);
        FormResize(e);
    }
    Point2 pixelOf(double x, double y) const { return modelToPixel(e, {x, y}); }
    // A press, a move and a release of one button.
    void drag(int x0, int y0, int x1, int y1, MouseButton button = MouseButton::Left) {
        FormMouseDown(e, button, x0, y0);
        FormMouseMove(e, x1, y1);
        FormMouseUp(e, button, x1, y1);
    }
    void click(int x, int y, MouseButton button = MouseButton::Left) { drag(x, y, x, y, button); }
    // An object of the working drawing with the given model points.
    SetObject& addObject(int kind, std::initializer_list<Point2> points, Color line = 0, Color fill = 0xffffff) {
        SetObject& o = e.workingDrawing.objects[e.workingDrawing.count++];
        o.objectKind = kind;
        o.lastPoint = static_cast<int>(points.size()) - 1;
        o.lineColor = line;
        o.fillColor = fill;
        int p = 0;
        for (const Point2& q : points) o.points[p++] = {q.x, q.y};
        return o;
    }
};

}  // namespace rho::test

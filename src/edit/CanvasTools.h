#pragma once
// The tools of the main view that work on the view rather than on the
// tables: colorize, zoom, scroll, origo & bounding box, and floodfill.

#include "edit/MouseTool.h"

namespace rho {

struct Tiling;
class Shell;

// Left click: the shape under the pointer takes the current colour, keeping
// its selection.
class ColorizeTool : public MouseTool {
public:
    ColorizeTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

// Left click zooms in, any other button zooms out, within the zoom range;
// the clicked point moves to the centre of the window.
class ZoomTool : public MouseTool {
public:
    ZoomTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

// Drags the view with any button.
class ScrollTool : public MouseTool {
public:
    ScrollTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;
    void move(int x, int y) override;
    void release(MouseButton button, int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

// Right click moves the origin to the clicked point; a left drag draws the
// bounding box.
class OrigoBoxTool : public MouseTool {
public:
    OrigoBoxTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;
    void move(int x, int y) override;
    void release(MouseButton button, int x, int y) override;

private:
    void moveOrigin(int x, int y);
    void startBox(int x, int y);
    // Width and height from the box's corner to the pointer's world point.
    void stretchTo(int x, int y);

    Tiling& t_;
    Shell& shell_;
};

// A click flood-fills the view's area under the pointer with the current
// colour; moving shows the pixel under the pointer on the status line.
class FloodfillTool : public MouseTool {
public:
    FloodfillTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;
    void move(int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

}  // namespace rho

#pragma once
// The select tool (left click flips a shape's selection, right click
// deselects all) and the erase tool (a click deletes the shape under the
// pointer) of the main view.

#include "edit/MouseTool.h"

namespace rho {

struct Tiling;
class Shell;

class SelectTool : public MouseTool {
public:
    SelectTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    void press(MouseButton button, int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

class EraseTool : public MouseTool {
public:
    EraseTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}
    // Any button. The shape is wiped from the view in the background colour;
    // the view is not repainted.
    void press(MouseButton button, int x, int y) override;

private:
    Tiling& t_;
    Shell& shell_;
};

}  // namespace rho

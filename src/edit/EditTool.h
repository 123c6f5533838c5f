#pragma once
// The edit tool of the main view: press on a shape to drag a floating copy
// of it; with a floating shape, a left click turns it, a left press inside
// its centre box drags it, a right click attaches it.

#include "edit/MouseTool.h"

namespace rho {

struct Tiling;
class Shell;

class EditTool : public MouseTool {
public:
    EditTool(Tiling& t, Shell& shell) : t_(t), shell_(shell) {}

    void press(MouseButton button, int x, int y) override;
    void move(int x, int y) override;
    void release(MouseButton button, int x, int y) override;

private:
    void copyShapeAt(int x, int y);
    void grab();

    Tiling& t_;
    Shell& shell_;
};

}  // namespace rho

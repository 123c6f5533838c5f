#pragma once
// The shape every mouse tool of the main view shares: press, move and
// release with the button and the client position in pixels. The main
// window only routes its events to the tool of the current ToolMode.

namespace rho {

enum class MouseButton { Left, Right, Middle };

class MouseTool {
public:
    virtual ~MouseTool() = default;
    virtual void press(MouseButton button, int x, int y) = 0;
    virtual void move(int /*x*/, int /*y*/) {}
    virtual void release(MouseButton /*button*/, int /*x*/, int /*y*/) {}
};

}  // namespace rho

#pragma once
// The main window's view: a widget whose pixels are the client coordinates
// the view uses. Commands draw into its back buffer (a QtSurface over a
// QImage); painting shows the buffer. Mouse presses, moves and releases go
// to the handlers with the button and the client position. On a screen of
// device pixel ratio 2 (or more) the buffer holds that many device pixels
// per client pixel, so lines are drawn at the screen's own resolution.

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/QtSurface.h"
#include "edit/MouseTool.h"

namespace rho {

class ViewWidget : public QWidget {
public:
    explicit ViewWidget(QWidget* parent);
    ~ViewWidget() override;

    // The back buffer's surface, at the widget's current size.
    QtSurface& surface();
    // The back buffer, painting ended: scale() device pixels per client pixel.
    const QImage& buffer();
    int scale() const { return scale_; }

    std::function<void(MouseButton, int, int)> onPress;
    std::function<void(int, int)> onMove;
    std::function<void(MouseButton, int, int)> onRelease;
    // Whole wheel notches (positive away from the user) at a client position.
    std::function<void(int, int, int)> onWheel;
    // After the buffer took the new client size.
    std::function<void()> onResize;
    // After the buffer took a new device pixel ratio (the window moved to
    // another screen): it is blank and the picture must be drawn again.
    std::function<void()> onRescale;
    // After a paint event has shown the buffer.
    std::function<void()> onPainted;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A new buffer when the widget's size or the given scale differ from it.
    void fitBuffer(int scale);
    int screenScale() const;

    QImage image_;
    int scale_ = 1;
    std::unique_ptr<QtSurface> surface_;
    // Wheel turn not yet making a whole notch (fine-grained wheels and pads).
    int wheelRest_ = 0;
};

}  // namespace rho

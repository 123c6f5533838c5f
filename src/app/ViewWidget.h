#pragma once
// The main window's view: a widget whose pixels are the client coordinates
// the view uses. Commands draw into its back buffer (a QtSurface over a
// QImage); painting shows the buffer. Mouse presses, moves and releases go
// to the handlers with the button and the client position.

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
    // The back buffer, painting ended.
    const QImage& buffer();

    std::function<void(MouseButton, int, int)> onPress;
    std::function<void(int, int)> onMove;
    std::function<void(MouseButton, int, int)> onRelease;
    // Whole wheel notches (positive away from the user) at a client position.
    std::function<void(int, int, int)> onWheel;
    // After the buffer took the new client size.
    std::function<void()> onResize;
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
    void fitBuffer();

    QImage image_;
    std::unique_ptr<QtSurface> surface_;
    // Wheel turn not yet making a whole notch (fine-grained wheels and pads).
    int wheelRest_ = 0;
};

}  // namespace rho

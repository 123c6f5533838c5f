#include "app/ViewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <optional>

namespace rho {

namespace {

std::optional<MouseButton> toolButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

// Client pixel of a pointer position: truncated toward zero like every
// other conversion to a pixel.
int pixel(qreal v) { return static_cast<int>(v); }

}  // namespace

ViewWidget::ViewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    fitBuffer(screenScale());
}

ViewWidget::~ViewWidget() = default;

int ViewWidget::screenScale() const { return bufferScale(devicePixelRatioF()); }

void ViewWidget::fitBuffer(int scale) {
    const QSize size(std::max(1, width()), std::max(1, height()));
    if (surface_ && image_.size() == size * scale && scale_ == scale) return;
    if (surface_) surface_->flush();
    surface_.reset();
    scale_ = scale;
    image_ = backBuffer(size, scale);
    surface_ = std::make_unique<QtSurface>(image_);
}

// Drawing between paint events keeps the scale of the last one: a buffer
// blanked by a new scale in the middle of a command would lose the picture.
QtSurface& ViewWidget::surface() {
    fitBuffer(scale_);
    return *surface_;
}

const QImage& ViewWidget::buffer() {
    fitBuffer(scale_);
    surface_->flush();
    return image_;
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    if (screenScale() != scale_) {
        fitBuffer(screenScale());
        if (onRescale) onRescale();
    }
    surface_->flush();
    QPainter painter(this);
    // Client pixels on the screen, device pixels in the buffer: one to one
    // when the ratio is whole, scaled up by the rest of it otherwise.
    const QRect r = event->rect();
    painter.drawImage(QRectF(r), image_, QRectF(r.x() * scale_, r.y() * scale_, r.width() * scale_, r.height() * scale_));
    painter.end();
    if (onPainted) onPainted();
}

void ViewWidget::resizeEvent(QResizeEvent*) {
    const bool rescaled = screenScale() != scale_;
    fitBuffer(screenScale());
    if (onResize) onResize();
    if (rescaled && onRescale) onRescale();
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    const auto button = toolButton(event->button());
    if (!button || !onPress) return;
    onPress(*button, pixel(event->position().x()), pixel(event->position().y()));
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(pixel(event->position().x()), pixel(event->position().y()));
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = toolButton(event->button());
    if (!button || !onRelease) return;
    onRelease(*button, pixel(event->position().x()), pixel(event->position().y()));
}

void ViewWidget::wheelEvent(QWheelEvent* event) {
    if (!onWheel) {
        event->ignore();
        return;
    }
    event->accept();
    // One notch is 120 eighths of a degree; finer wheels add up to notches.
    constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    if (notches != 0) onWheel(notches, pixel(event->position().x()), pixel(event->position().y()));
}

}  // namespace rho

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
    fitBuffer();
}

ViewWidget::~ViewWidget() = default;

void ViewWidget::fitBuffer() {
    const QSize size(std::max(1, width()), std::max(1, height()));
    if (surface_ && image_.size() == size) return;
    if (surface_) surface_->flush();
    surface_.reset();
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    surface_ = std::make_unique<QtSurface>(image_);
}

QtSurface& ViewWidget::surface() {
    fitBuffer();
    return *surface_;
}

const QImage& ViewWidget::buffer() {
    fitBuffer();
    surface_->flush();
    return image_;
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    surface_->flush();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
    painter.end();
    if (onPainted) onPainted();
}

void ViewWidget::resizeEvent(QResizeEvent*) {
    fitBuffer();
    if (onResize) onResize();
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

#include "app/Glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace rho {

namespace {

constexpr int kGlyph = 20;

// A rhomb with sides `side` and the given acute angle (degrees) centred on
// (cx, cy), its long diagonal turned by `turn` degrees from the x axis.
QPolygonF rhomb(double cx, double cy, double side, double acute, double turn) {
    const double half = acute * std::numbers::pi / 360.0;
    const double longHalf = side * std::cos(half);
    const double shortHalf = side * std::sin(half);
    const double t = turn * std::numbers::pi / 180.0;
    const double ux = std::cos(t), uy = std::sin(t);
    return QPolygonF({QPointF(cx + longHalf * ux, cy + longHalf * uy), QPointF(cx - shortHalf * uy, cy + shortHalf * ux),
                      QPointF(cx - longHalf * ux, cy - longHalf * uy), QPointF(cx + shortHalf * uy, cy - shortHalf * ux)});
}

void drawPage(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(12, 2), QPointF(16, 6), QPointF(16, 18), QPointF(4, 18)}));
    p.drawPolyline(QPolygonF({QPointF(12, 2), QPointF(12, 6), QPointF(16, 6)}));
}

void drawFolder(QPainter& p) {
    p.setBrush(QColor(230, 200, 90));
    p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(7, 5), QPointF(9, 7), QPointF(17, 7), QPointF(17, 16), QPointF(2, 16)}));
    p.setBrush(QColor(250, 225, 120));
    p.drawPolygon(QPolygonF({QPointF(4, 9), QPointF(19, 9), QPointF(17, 16), QPointF(2, 16)}));
}

void drawDisk(QPainter& p) {
    p.setBrush(QColor(60, 80, 160));
    p.drawRect(QRectF(3, 3, 14, 14));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 8, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(5, 11, 10, 6));
}

void drawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 2, 8, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(2, 8, 16, 7));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 13, 10, 5));
}

void drawPlus(QPainter& p) {
    p.setPen(QPen(QColor(0, 130, 0), 2));
    p.drawLine(QPointF(15, 12), QPointF(15, 18));
    p.drawLine(QPointF(12, 15), QPointF(18, 15));
}

// A thick rhomb drawn as the three display modes show it.
void drawDisplayed(QPainter& p, bool fill, bool decoration, bool outline) {
    const QPolygonF shape = rhomb(10, 10, 9.5, 72, -54);
    p.setBrush(fill ? QColor(200, 190, 160) : QColor(Qt::transparent));
    p.setPen(fill || !decoration ? QPen(Qt::black, 1) : Qt::NoPen);
    if (!fill && decoration) p.setBrush(Qt::NoBrush);
    p.drawPolygon(shape);
    if (decoration) {
        p.setPen(QPen(QColor(150, 0, 0), 1.5));
        p.drawLine(shape[0], shape[2]);
        p.drawArc(QRectF(6, 6, 8, 8), 0, 360 * 16);
    }
    if (outline) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 255), 1));
        p.drawPolygon(shape);
    }
}

void drawSetEditor(QPainter& p) {
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(rhomb(9, 11, 8, 36, -30));
    p.setPen(QPen(QColor(120, 60, 0), 3));
    p.drawLine(QPointF(8, 17), QPointF(17, 4));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(6.5, 19), QPointF(8, 17));
}

// The picture of the speed button with this hint.
void drawSpeedButtonGlyph(QPainter& p, const QString& hint) {
    p.setPen(QPen(Qt::black, 1));
    if (hint == "new tile") {
        drawPage(p);
    } else if (hint == "open") {
        drawFolder(p);
    } else if (hint == "save") {
        drawDisk(p);
    } else if (hint == "print") {
        drawPrinter(p);
    } else if (hint == "add large shape") {
        p.setBrush(QColor(200, 190, 160));
        p.drawPolygon(rhomb(8, 8, 7.5, 72, -54));
        drawPlus(p);
    } else if (hint == "add small shape") {
        p.setBrush(QColor(200, 190, 160));
        p.drawPolygon(rhomb(8, 9, 8, 36, -60));
        drawPlus(p);
    } else if (hint == "display as shape") {
        drawDisplayed(p, true, false, false);
    } else if (hint == "display as set") {
        drawDisplayed(p, false, true, false);
    } else if (hint == "display as both") {
        drawDisplayed(p, false, true, true);
    } else if (hint == "set editor...") {
        drawSetEditor(p);
    }
}

}  // namespace

QIcon paintedIcon(int size, const std::function<void(QPainter&)>& draw) {
    std::vector<qreal> ratios{1.0, 2.0};
    if (qGuiApp) ratios.push_back(qGuiApp->devicePixelRatio());
    QIcon icon;
    std::vector<int> made;  // device sizes already in the icon
    for (const qreal ratio : ratios) {
        const int device = static_cast<int>(std::ceil(size * ratio - 1e-6));
        if (ratio < 1.0 || std::find(made.begin(), made.end(), device) != made.end()) continue;
        made.push_back(device);
        QPixmap pixmap(device, device);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);  // scaled by the pixmap's ratio: `draw` works in icon pixels
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon speedButtonGlyph(const QString& hint) {
    return paintedIcon(kGlyph, [&hint](QPainter& p) { drawSpeedButtonGlyph(p, hint); });
}

QImage applicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(225, 170, 60));
    p.drawPolygon(rhomb(24, 32, 22, 72, 90));
    p.setBrush(QColor(60, 110, 200));
    p.drawPolygon(rhomb(46, 32, 22, 36, 90));
    p.end();
    return image;
}

}  // namespace rho

#include "app/SetEditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "app/Glyphs.h"

namespace rho {

namespace {

constexpr int kSize = 20;

// A thin rhomb or a thick one, as on the shape buttons.
QPolygonF rhomb(bool thick) {
    if (thick) return QPolygonF({QPointF(7, 3), QPointF(18, 3), QPointF(13, 17), QPointF(2, 17)});
    return QPolygonF({QPointF(10, 3), QPointF(18, 3), QPointF(10, 17), QPointF(2, 17)});
}

void dots(QPainter& p, double angle, double shift) {
    p.save();
    p.translate(10, 10);
    p.rotate(angle);
    p.translate(shift, 0);
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j) p.drawPoint(QPointF(i * 3.5, j * 3.5));
    p.restore();
}

void draw(QPainter& p, const QString& hint) {
    const QPen ink(Qt::black, 1.2);
    p.setPen(ink);
    if (hint == "edit small shape" || hint == "edit large shape") {
        p.setBrush(QColor(200, 200, 200));
        p.drawPolygon(rhomb(hint == "edit large shape"));
    } else if (hint == "orthogonal grid") {
        dots(p, 0, 0);
    } else if (hint == "grid from right") {
        dots(p, -36, -2);
    } else if (hint == "grid from left") {
        dots(p, -36, 2);
    } else if (hint == "grid from up") {
        dots(p, 0, -2);
        p.drawLine(QPointF(2, 2), QPointF(18, 2));
    } else if (hint == "grif from down") {
        dots(p, 0, 2);
        p.drawLine(QPointF(2, 18), QPointF(18, 18));
    } else if (hint == "set grid unit to smaller" || hint == "set grid unit to larger") {
        const double step = hint == "set grid unit to smaller" ? 7.0 : 4.0;
        for (double x = 3; x <= 17; x += step)
            for (double y = 3; y <= 17; y += step) p.drawPoint(QPointF(x, y));
    } else if (hint == "snap to grid") {
        dots(p, 0, 0);
        p.drawEllipse(QPointF(10, 10), 3, 3);
    } else if (hint == "snap to points") {
        p.drawLine(QPointF(3, 17), QPointF(10, 10));
        p.drawLine(QPointF(10, 10), QPointF(17, 15));
        p.drawEllipse(QPointF(10, 10), 3, 3);
    } else if (hint == "move points") {
        p.drawLine(QPointF(10, 2), QPointF(10, 18));
        p.drawLine(QPointF(2, 10), QPointF(18, 10));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(8, 8, 4, 4));
    } else if (hint == "add line") {
        p.drawLine(QPointF(3, 17), QPointF(17, 3));
    } else if (hint == "add polyline") {
        p.drawPolyline(QPolygonF({QPointF(2, 16), QPointF(7, 4), QPointF(12, 14), QPointF(18, 3)}));
    } else if (hint == "add polygon") {
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(QPolygonF({QPointF(3, 17), QPointF(10, 3), QPointF(17, 17)}));
    } else if (hint == "delete points") {
        p.drawLine(QPointF(4, 4), QPointF(16, 16));
        p.drawLine(QPointF(16, 4), QPointF(4, 16));
    } else if (hint == "color picker") {
        p.setBrush(Qt::black);
        p.drawLine(QPointF(4, 16), QPointF(13, 7));
        p.drawEllipse(QPointF(14.5, 5.5), 3, 3);
    }
}

}  // namespace

QIcon setEditorIcon(const QString& hint) {
    return paintedIcon(kSize, [&hint](QPainter& p) { draw(p, hint); });
}

}  // namespace rho

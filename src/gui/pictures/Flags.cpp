#include "gui/pictures/Pictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <QPainter>
#include <QPainterPath>

// The flags that choose the language.
namespace Pictures {
namespace {

void drawFrance(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 20, 40), QColor(0, 85, 164));
    p.fillRect(QRectF(20, 0, 20, 40), Qt::white);
    p.fillRect(QRectF(40, 0, 20, 40), QColor(239, 65, 53));
}

void drawUnitedKingdom(QPainter &p)
{
    // Drawn on a 60 x 30 field, then stretched to the common 60 x 40.
    p.save();
    p.scale(1, 40.0 / 30.0);
    p.fillRect(QRectF(0, 0, 60, 30), QColor(1, 33, 105));
    const QLineF diagonals[] = {QLineF(0, 0, 60, 30), QLineF(60, 0, 0, 30)};
    p.setPen(QPen(Qt::white, 6));
    p.drawLines(diagonals, 2);
    // The red diagonals are counterchanged: each sits on the clockwise side
    // of the white one, which the four triangles select.
    QPainterPath triangles;
    triangles.addPolygon(QPolygonF{QPointF(30, 15), QPointF(60, 15), QPointF(60, 30), QPointF(30, 15)});
    triangles.addPolygon(QPolygonF{QPointF(30, 15), QPointF(30, 30), QPointF(0, 30), QPointF(30, 15)});
    triangles.addPolygon(QPolygonF{QPointF(30, 15), QPointF(0, 15), QPointF(0, 0), QPointF(30, 15)});
    triangles.addPolygon(QPolygonF{QPointF(30, 15), QPointF(30, 0), QPointF(60, 0), QPointF(30, 15)});
    p.save();
    p.setClipPath(triangles);
    p.setPen(QPen(QColor(200, 16, 46), 4));
    p.drawLines(diagonals, 2);
    p.restore();
    const QLineF cross[] = {QLineF(30, 0, 30, 30), QLineF(0, 15, 60, 15)};
    p.setPen(QPen(Qt::white, 10));
    p.drawLines(cross, 2);
    p.setPen(QPen(QColor(200, 16, 46), 6));
    p.drawLines(cross, 2);
    p.restore();
}

void drawSpain(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 60, 10), QColor(170, 21, 27));
    p.fillRect(QRectF(0, 10, 60, 20), QColor(241, 191, 0));
    p.fillRect(QRectF(0, 30, 60, 10), QColor(170, 21, 27));
    // A plain shield stands for the arms.
    QPainterPath shield(QPointF(14, 14));
    shield.lineTo(QPointF(22, 14));
    shield.lineTo(QPointF(22, 22));
    shield.quadTo(QPointF(22, 26), QPointF(18, 27));
    shield.quadTo(QPointF(14, 26), QPointF(14, 22));
    shield.closeSubpath();
    p.setPen(QPen(QColor(120, 60, 20), 0.6));
    p.setBrush(QColor(190, 40, 40));
    p.drawPath(shield);
}

} // namespace

QPixmap flag(int language, const QSize &size)
{
    return drawnOnce(QStringLiteral("flag %1").arg(language), size, QSizeF(60, 40), [language](QPainter &p) {
        switch (language) {
        case 0:
            drawFrance(p);
            break;
        case 1:
            drawUnitedKingdom(p);
            break;
        case 2:
            drawSpain(p);
            break;
        default:
            return;
        }
        p.setPen(QPen(QColor(90, 90, 90), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.4, 0.4, 59.2, 39.2));
    });
}

} // namespace Pictures

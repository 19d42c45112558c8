#include "gui/pictures/Pictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

// The partner's badge and the cup.
namespace Pictures {
namespace {

// Drawn on a field 100 wide and as tall as the picture's shape asks: the
// badge fills it, the emblem sits in the upper part, the name at the foot.
void drawPartner(QPainter &p, qreal height)
{
    const QRectF badge(4, 4, 92, height - 8);
    QLinearGradient g(badge.topLeft(), badge.bottomRight());
    g.setColorAt(0, QColor(20, 150, 170));
    g.setColorAt(1, QColor(10, 70, 110));
    p.setPen(QPen(QColor(8, 50, 80), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(badge, 16, 16);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(badge.adjusted(4, 4, -4, -4), 12, 12);

    // The emblem: two swept strokes meeting in a V under a rising dot.
    p.save();
    p.translate(0, (height - 100) * 0.35);
    QPainterPath left(QPointF(30, 20));
    left.quadTo(QPointF(38, 42), QPointF(50, 50));
    QPainterPath right(QPointF(70, 20));
    right.quadTo(QPointF(62, 42), QPointF(50, 50));
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(left);
    p.setPen(QPen(QColor(255, 210, 80), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(right);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 18), 5, 5);
    p.restore();

    drawFittedText(p, QRectF(12, height - 45, 76, 22), QStringLiteral("Vylora"), Qt::white, QFont::Black);
    // Bold, which the chart's face draws as it would a demi-bold, having
    // none: the window's bold captions have loaded that font already.
    drawFittedText(p, QRectF(16, height - 23, 68, 12), QStringLiteral("2010"), QColor(220, 240, 245), QFont::Bold);
}

void drawChampion(QPainter &p, const QString &year)
{
    QRadialGradient glow(QPointF(50, 40), 50);
    glow.setColorAt(0, QColor(255, 245, 200));
    glow.setColorAt(1, QColor(255, 245, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(50, 40), 48, 40);

    QLinearGradient gold(QPointF(25, 0), QPointF(75, 0));
    gold.setColorAt(0, QColor(184, 134, 11));
    gold.setColorAt(0.35, QColor(255, 223, 90));
    gold.setColorAt(0.6, QColor(240, 190, 40));
    gold.setColorAt(1, QColor(150, 105, 10));
    const QPen outline(QColor(120, 80, 5), 1.2);

    // Handles first, so that the bowl covers their ends.
    p.setPen(QPen(QColor(200, 150, 20), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 14, 22, 24), 90 * 16, 180 * 16);
    p.drawArc(QRectF(62, 14, 22, 24), 270 * 16, 180 * 16);

    QPainterPath bowl(QPointF(28, 10));
    bowl.lineTo(QPointF(72, 10));
    bowl.cubicTo(QPointF(72, 38), QPointF(62, 50), QPointF(54, 52));
    bowl.lineTo(QPointF(46, 52));
    bowl.cubicTo(QPointF(38, 50), QPointF(28, 38), QPointF(28, 10));
    p.setPen(outline);
    p.setBrush(gold);
    p.drawPath(bowl);
    p.drawRect(QRectF(46, 52, 8, 10));
    p.drawRoundedRect(QRectF(36, 62, 28, 6), 2, 2);
    p.setBrush(QColor(60, 90, 60));
    p.drawRoundedRect(QRectF(32, 68, 36, 8), 2, 2);
    drawStar(p, QPointF(50, 28), 9, QColor(255, 250, 220));

    // No word on it: pictures cannot follow the language of the window.
    drawFittedText(p, QRectF(4, 80, 92, 18), year, QColor(150, 20, 20), QFont::Black);
}

} // namespace

QPixmap partner(const QSize &size)
{
    // Wider than tall stays a square badge; taller grows the badge.
    const qreal height = std::max(100.0, 100.0 * size.height() / std::max(1, size.width()));
    // Among the dearest pictures, and asked for again as the chart loads.
    return drawnOnce(QStringLiteral("partner"), size, QSizeF(100, height),
                     [height](QPainter &p) { drawPartner(p, height); });
}

QPixmap champion(const QSize &size)
{
    return championOf(QStringLiteral("2010"), size);
}

QPixmap championOf(const QString &year, const QSize &size)
{
    return drawnOnce(QStringLiteral("champion %1").arg(year), size, QSizeF(100, 100),
                     [&year](QPainter &p) { drawChampion(p, year); });
}

} // namespace Pictures

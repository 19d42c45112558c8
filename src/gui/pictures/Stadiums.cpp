#include "gui/pictures/Pictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// The stadiums, each seen from above and aside over its name.
namespace Pictures {
namespace {

constexpr QSizeF stadiumDesign(250, 103);
constexpr qreal nameBandTop = 82;
constexpr qreal horizon = 50;

// A stadium seen from above and aside: a rim (oval or rounded box), the
// outer wall below it, the stands inside and the pitch in their middle.
struct Bowl
{
    QPointF centre{125, 44};
    qreal rx = 80;
    qreal ry = 20;
    qreal depth = 12;
    bool round = true;
    QColor wall = QColor(215, 215, 215);
    QColor rim = QColor(240, 240, 240);
    QColor seats = QColor(190, 40, 40);

    QRectF top() const { return {centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry}; }
    QPainterPath shape(const QRectF &r) const
    {
        QPainterPath path;
        if (round)
            path.addEllipse(r);
        else
            path.addRoundedRect(r, r.width() * 0.16, r.height() * 0.45);
        return path;
    }
    // A point on the rim, angle 0 on the right, growing towards the front.
    QPointF rimPoint(qreal degrees, qreal scale = 1) const
    {
        const qreal a = degrees * std::numbers::pi / 180;
        return {centre.x() + rx * scale * std::cos(a), centre.y() + ry * scale * std::sin(a)};
    }
};

void drawLandscape(QPainter &p)
{
    const QRectF sky(0, 0, stadiumDesign.width(), horizon);
    p.fillRect(sky, vertical(sky, QColor(110, 170, 228), QColor(214, 234, 250)));
    const QRectF land(0, horizon, stadiumDesign.width(), nameBandTop - horizon);
    p.fillRect(land, vertical(land, QColor(120, 178, 90), QColor(74, 130, 52)));
}

QPainterPath wallPath(const Bowl &b)
{
    const QRectF top = b.top();
    QPainterPath wall = b.shape(top.translated(0, b.depth));
    wall.addRect(QRectF(top.left(), b.centre.y(), top.width(), b.depth));
    return wall.united(b.shape(top));
}

void drawPitch(QPainter &p, const Bowl &b)
{
    const qreal cx = b.centre.x();
    const qreal top = b.centre.y() - b.ry * 0.48;
    const qreal bottom = b.centre.y() + b.ry * 0.55;
    const qreal farHalf = b.rx * 0.50;
    const qreal nearHalf = b.rx * 0.62;
    auto at = [&](qreal u, qreal v) { // u, v in 0..1 across and down the pitch
        const qreal half = farHalf + (nearHalf - farHalf) * v;
        return QPointF(cx - half + 2 * half * u, top + (bottom - top) * v);
    };
    auto quad = [&](qreal u0, qreal v0, qreal u1, qreal v1) {
        return QPolygonF{at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)};
    };

    p.setPen(Qt::NoPen);
    for (int stripe = 0; stripe < 8; ++stripe) {
        p.setBrush(stripe % 2 ? QColor(58, 150, 70) : QColor(72, 168, 82));
        p.drawPolygon(quad(stripe / 8.0, 0, (stripe + 1) / 8.0, 1));
    }
    p.setPen(QPen(QColor(255, 255, 255, 220), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(quad(0, 0, 1, 1));
    p.drawLine(at(0.5, 0), at(0.5, 1));
    p.drawPolygon(quad(0, 0.25, 0.13, 0.75));
    p.drawPolygon(quad(0.87, 0.25, 1, 0.75));
    const QPointF middle = at(0.5, 0.5);
    p.drawEllipse(middle, b.rx * 0.09, b.ry * 0.16);
}

void drawBowl(QPainter &p, const Bowl &b)
{
    const QRectF top = b.top();
    // Shadow on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(b.shape(top.translated(4, b.depth + 3)));

    const QRectF wallBox(top.left(), top.top(), top.width(), top.height() + b.depth);
    p.setBrush(vertical(wallBox, b.wall.lighter(112), b.wall.darker(135)));
    p.drawPath(wallPath(b));

    p.setBrush(b.rim);
    p.drawPath(b.shape(top));
    const QRectF stands = top.adjusted(b.rx * 0.10, b.ry * 0.14, -b.rx * 0.10, -b.ry * 0.14);
    p.setBrush(vertical(stands, b.seats.darker(120), b.seats.lighter(115)));
    p.drawPath(b.shape(stands));
    // Rows of seats: a few darker rings.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(b.seats.darker(150), 0.5));
    for (qreal k : {0.25, 0.5, 0.75})
        p.drawPath(b.shape(stands.adjusted(b.rx * 0.05 * k * 2, b.ry * 0.08 * k * 2, -b.rx * 0.05 * k * 2,
                                           -b.ry * 0.08 * k * 2)));
    drawPitch(p, b);
}

void drawFloodlight(QPainter &p, const QPointF &foot, qreal height)
{
    const QPointF head(foot.x(), foot.y() - height);
    p.setPen(QPen(QColor(90, 90, 95), 1.2));
    p.drawLine(foot, head);
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(QColor(255, 250, 200));
    p.drawRect(QRectF(head.x() - 4, head.y() - 3, 8, 4));
}

// Stand raised above the far rim, with a roof slab.
void drawMainStand(QPainter &p, const Bowl &b, qreal from, qreal to, qreal height, const QColor &seats,
                   const QColor &roof)
{
    const qreal base = b.centre.y() - b.ry * 0.75;
    const QRectF body(from, base - height, to - from, height);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(body, seats.lighter(110), seats.darker(115)));
    p.drawPolygon(QPolygonF{QPointF(from + 4, base - height), QPointF(to - 4, base - height), QPointF(to, base),
                            QPointF(from, base)});
    p.setPen(QPen(seats.darker(150), 0.5));
    for (qreal y = base - height + 3; y < base; y += 3)
        p.drawLine(QPointF(from + 3, y), QPointF(to - 3, y));
    p.setPen(Qt::NoPen);
    p.setBrush(roof);
    p.drawPolygon(QPolygonF{QPointF(from - 2, base - height - 3), QPointF(to + 2, base - height - 3),
                            QPointF(to - 2, base - height + 2), QPointF(from + 2, base - height + 2)});
}

void drawBafokeng(QPainter &p)
{
    Bowl b;
    b.wall = QColor(196, 190, 180);
    b.rim = QColor(225, 220, 210);
    b.seats = QColor(200, 50, 45);
    for (qreal x : {52.0, 198.0})
        drawFloodlight(p, QPointF(x, 36), 30);
    drawMainStand(p, b, 85, 165, 14, QColor(200, 50, 45), QColor(70, 70, 80));
    drawBowl(p, b);
    for (qreal x : {40.0, 210.0})
        drawFloodlight(p, QPointF(x, 64), 40);
}

void drawDurban(QPainter &p)
{
    Bowl b;
    b.wall = QColor(236, 236, 240);
    b.rim = Qt::white;
    b.seats = QColor(70, 110, 170);
    drawBowl(p, b);
    // The arch springs from one foot split in two and lands beyond the bowl.
    QPainterPath arch(QPointF(30, 74));
    arch.cubicTo(QPointF(70, -22), QPointF(180, -22), QPointF(222, 74));
    QPainterPath secondLeg(QPointF(48, 78));
    secondLeg.quadTo(QPointF(54, 52), QPointF(62, 36));
    p.setPen(QPen(QColor(120, 120, 130, 150), 1));
    for (qreal t = 0.18; t < 0.85; t += 0.06) {
        const QPointF on = arch.pointAtPercent(t);
        const qreal x = std::clamp(on.x(), b.centre.x() - b.rx * 0.8, b.centre.x() + b.rx * 0.8);
        p.drawLine(on, QPointF(x, b.centre.y() - b.ry * 0.9));
        p.drawLine(on, QPointF(x, b.centre.y() + b.ry * 0.9));
    }
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath &path : {arch, secondLeg}) {
        p.setPen(QPen(QColor(150, 150, 160), 5.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
}

void drawEllisPark(QPainter &p)
{
    Bowl b;
    b.round = false;
    b.wall = QColor(170, 170, 176);
    b.rim = QColor(205, 205, 210);
    b.seats = QColor(175, 30, 40);
    drawMainStand(p, b, 60, 190, 22, QColor(175, 30, 40), QColor(60, 60, 70));
    drawBowl(p, b);
}

void drawFreeState(QPainter &p)
{
    Bowl b;
    b.round = false;
    b.wall = QColor(180, 186, 196);
    b.rim = QColor(230, 232, 236);
    b.seats = QColor(40, 90, 170);
    drawMainStand(p, b, 70, 180, 16, QColor(40, 90, 170), Qt::white);
    // The roof of the main stand rises in a wide curve.
    QPainterPath roof(QPointF(66, 13));
    roof.quadTo(QPointF(125, -2), QPointF(184, 13));
    p.setPen(QPen(QColor(245, 245, 245), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roof);
    drawBowl(p, b);
}

void drawGreenPoint(QPainter &p)
{
    // The flat-topped mountain behind the town.
    QPolygonF mountain{QPointF(10, horizon), QPointF(48, 20),  QPointF(70, 11),
                       QPointF(176, 9),      QPointF(196, 18), QPointF(240, horizon)};
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, 9, 250, 41), QColor(110, 124, 140), QColor(140, 160, 150)));
    p.drawPolygon(mountain);
    Bowl b;
    b.wall = QColor(248, 248, 250);
    b.rim = QColor(235, 240, 245);
    b.seats = QColor(120, 120, 130);
    b.depth = 14;
    drawBowl(p, b);
    // The woven skin of the outer wall.
    p.save();
    p.setClipPath(wallPath(b).subtracted(b.shape(b.top())));
    p.setPen(QPen(QColor(180, 190, 205), 0.6));
    for (qreal x = 30; x < 230; x += 5) {
        p.drawLine(QPointF(x, 40), QPointF(x + 30, 80));
        p.drawLine(QPointF(x + 30, 40), QPointF(x, 80));
    }
    p.restore();
}

void drawLoftus(QPainter &p)
{
    Bowl b;
    b.round = false;
    b.wall = QColor(150, 160, 175);
    b.rim = QColor(200, 205, 215);
    b.seats = QColor(30, 70, 160);
    for (qreal x : {52.0, 198.0})
        drawFloodlight(p, QPointF(x, 30), 28);
    drawMainStand(p, b, 80, 170, 12, QColor(30, 70, 160), QColor(90, 90, 100));
    drawBowl(p, b);
    for (qreal x : {38.0, 212.0})
        drawFloodlight(p, QPointF(x, 66), 56);
}

void drawMandelaBay(QPainter &p)
{
    // The lake at the stadium's feet.
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, 68, 250, 14), QColor(90, 150, 210), QColor(50, 110, 180)));
    p.drawEllipse(QRectF(-30, 68, 150, 22));
    Bowl b;
    b.wall = QColor(235, 235, 238);
    b.rim = Qt::white;
    b.seats = QColor(60, 120, 190);
    drawBowl(p, b);
    // The roof's petals, tall at the back, short in front.
    auto petal = [&](qreal degrees, qreal height) {
        const QPointF base = b.rimPoint(degrees);
        const QPointF left = b.rimPoint(degrees - 9);
        const QPointF right = b.rimPoint(degrees + 9);
        QPainterPath path(left);
        path.quadTo(QPointF(base.x(), base.y() - height * 0.6), QPointF(base.x(), base.y() - height));
        path.quadTo(QPointF(base.x(), base.y() - height * 0.6), right);
        path.closeSubpath();
        p.setPen(QPen(QColor(170, 180, 195), 0.6));
        p.setBrush(vertical(path.boundingRect(), Qt::white, QColor(225, 230, 238)));
        p.drawPath(path);
    };
    for (qreal a = 186; a < 360; a += 12)
        petal(a, 14);
    for (qreal a = 6; a < 180; a += 12)
        petal(a, 6);
}

void drawMbombela(QPainter &p)
{
    Bowl b;
    b.wall = QColor(225, 220, 210);
    b.rim = QColor(250, 250, 250);
    b.seats = QColor(40, 40, 40);
    // Pylons stand like giraffes around the bowl: neck, head and horns.
    auto giraffe = [&](qreal degrees) {
        const QPointF foot = b.rimPoint(degrees, 1.04) + QPointF(0, b.depth);
        const qreal height = b.depth + 16;
        const QPointF top(foot.x(), foot.y() - height);
        p.setPen(QPen(QColor(200, 90, 30), 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(foot, top);
        p.setPen(QPen(QColor(200, 90, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, top + QPointF(4, 1.5));
        p.setPen(QPen(QColor(120, 50, 20), 0.8));
        p.drawLine(top, top + QPointF(-1, -2.5));
        p.drawLine(top + QPointF(1, 0), top + QPointF(1.5, -2.5));
    };
    for (qreal a = 190; a < 360; a += 20)
        giraffe(a);
    drawBowl(p, b);
    // Zebra stripes in the seats.
    p.save();
    p.setClipPath(b.shape(b.top().adjusted(b.rx * 0.10, b.ry * 0.14, -b.rx * 0.10, -b.ry * 0.14))
                      .subtracted(b.shape(b.top().adjusted(b.rx * 0.3, b.ry * 0.38, -b.rx * 0.3, -b.ry * 0.38))));
    p.setPen(QPen(QColor(235, 235, 235), 1.2));
    for (qreal x = 40; x < 215; x += 5)
        p.drawLine(QPointF(x, 20), QPointF(x + 6, 70));
    p.restore();
    for (qreal a = 10; a < 180; a += 20)
        giraffe(a);
}

void drawMokaba(QPainter &p)
{
    Bowl b;
    b.wall = QColor(205, 190, 170);
    b.rim = QColor(245, 240, 230);
    b.seats = QColor(210, 120, 40);
    // Four baobabs carry the roof at the corners.
    auto baobab = [&](const QPointF &foot, qreal height) {
        const QPointF crown(foot.x(), foot.y() - height);
        QPainterPath trunk(foot + QPointF(-4, 0));
        trunk.quadTo(foot + QPointF(-2, -height * 0.5), crown + QPointF(-2, 0));
        trunk.lineTo(crown + QPointF(2, 0));
        trunk.quadTo(foot + QPointF(2, -height * 0.5), foot + QPointF(4, 0));
        trunk.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 95, 55));
        p.drawPath(trunk);
        p.setPen(QPen(QColor(150, 95, 55), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (qreal dx : {-9.0, -4.0, 4.0, 9.0})
            p.drawLine(crown, crown + QPointF(dx, -5 + std::abs(dx) * 0.3));
    };
    baobab(QPointF(62, 30), 16);
    baobab(QPointF(188, 30), 16);
    drawBowl(p, b);
    baobab(QPointF(50, 70), 30);
    baobab(QPointF(200, 70), 30);
}

void drawSoccerCity(QPainter &p)
{
    Bowl b;
    b.depth = 20;
    b.centre = QPointF(125, 38);
    b.wall = QColor(180, 100, 50);
    b.rim = QColor(90, 90, 95);
    b.seats = QColor(190, 110, 50);
    drawBowl(p, b);
    // The calabash: a mosaic of earth colours over the wall, the ring of
    // fire along its foot.
    const std::array<QColor, 6> earth{QColor(181, 101, 29), QColor(210, 105, 30), QColor(139, 69, 19),
                                      QColor(205, 133, 63), QColor(160, 82, 45),  QColor(222, 150, 110)};
    p.save();
    p.setClipPath(wallPath(b).subtracted(b.shape(b.top())));
    quint32 seed = 2010;
    p.setPen(QPen(QColor(60, 30, 10, 90), 0.3));
    for (qreal y = b.centre.y(); y < b.centre.y() + b.ry + b.depth; y += 3) {
        for (qreal x = b.centre.x() - b.rx; x < b.centre.x() + b.rx; x += 4) {
            seed = seed * 1664525u + 1013904223u;
            p.setBrush(earth[(seed >> 24) % earth.size()]);
            p.drawRect(QRectF(x, y, 4, 3));
        }
    }
    const QRectF foot = b.top().translated(0, b.depth);
    p.setPen(QPen(QColor(40, 20, 10), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(b.shape(foot.adjusted(0, 1, 0, 1)));
    p.setPen(QPen(QColor(255, 160, 40), 1.1, Qt::DotLine));
    p.drawPath(b.shape(foot.adjusted(0, 1, 0, 1)));
    p.restore();
}

using StadiumPainter = void (*)(QPainter &);

struct StadiumView
{
    const char16_t *name;
    StadiumPainter paint;
};

const std::array<StadiumView, stadiumCount> stadiums{{
    {u"Royal Bafokeng", drawBafokeng},
    {u"Durban", drawDurban},
    {u"Ellis Park", drawEllisPark},
    {u"Free State", drawFreeState},
    {u"Green Point", drawGreenPoint},
    {u"Loftus Versfeld", drawLoftus},
    {u"Nelson Mandela Bay", drawMandelaBay},
    {u"Mbombela", drawMbombela},
    {u"Mokaba", drawMokaba},
    {u"Soccer City", drawSoccerCity},
}};

} // namespace

QPixmap stadium(int picture, const QSize &size)
{
    return drawn(size, stadiumDesign, [picture](QPainter &p) {
        if (picture < 0 || picture >= stadiumCount)
            return;
        const StadiumView &view = stadiums[std::size_t(picture)];
        drawLandscape(p);
        view.paint(p);
        const QRectF band(0, nameBandTop, stadiumDesign.width(), stadiumDesign.height() - nameBandTop);
        p.fillRect(band, vertical(band, QColor(20, 60, 30), QColor(10, 35, 15)));
        drawFittedText(p, band.adjusted(6, 2, -6, -2), QString::fromUtf16(view.name), Qt::white);
    });
}

} // namespace Pictures

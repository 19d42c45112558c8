#include "gui/pictures/HistoryPictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>

namespace Pictures {
namespace {

constexpr QSizeF tournamentDesign(120, 90);

struct Host
{
    const char16_t *chart; // its year at the end
    std::array<QColor, 3> bands; // left to right
    QColor ink;                  // of the year
};

// The World Cups, then the European Championships.
const std::array<Host, 13> hosts{{
    {u"VYL1998", {QColor(0, 85, 164), QColor(250, 250, 250), QColor(239, 65, 53)}, QColor(10, 40, 90)},
    {u"VYL2002", {QColor(250, 250, 250), QColor(205, 46, 58), QColor(0, 71, 160)}, QColor(140, 20, 30)},
    {u"VYL2006", {QColor(30, 30, 30), QColor(221, 0, 0), QColor(255, 206, 0)}, QColor(20, 20, 20)},
    {u"VYL2010", {QColor(0, 122, 77), QColor(255, 182, 18), QColor(222, 56, 49)}, QColor(0, 70, 45)},
    {u"VYL2014", {QColor(0, 156, 59), QColor(255, 223, 0), QColor(0, 39, 118)}, QColor(0, 80, 35)},
    {u"VYL2018", {QColor(250, 250, 250), QColor(0, 57, 166), QColor(213, 43, 30)}, QColor(0, 40, 110)},
    {u"VYL2022", {QColor(250, 250, 250), QColor(138, 21, 56), QColor(102, 14, 42)}, QColor(110, 15, 45)},
    {u"VYL2026", {QColor(0, 40, 104), QColor(250, 250, 250), QColor(0, 104, 71)}, QColor(0, 40, 104)},
    {u"VYL2030", {QColor(198, 11, 30), QColor(255, 196, 0), QColor(0, 102, 0)}, QColor(140, 10, 25)},
    {u"EURO2016", {QColor(0, 85, 164), QColor(250, 250, 250), QColor(239, 65, 53)}, QColor(0, 51, 153)},
    {u"EURO2020", {QColor(0, 51, 153), QColor(255, 204, 0), QColor(0, 51, 153)}, QColor(0, 51, 153)},
    {u"EURO2024", {QColor(30, 30, 30), QColor(221, 0, 0), QColor(255, 206, 0)}, QColor(0, 51, 153)},
    {u"EURO2028", {QColor(1, 33, 105), QColor(250, 250, 250), QColor(22, 155, 98)}, QColor(0, 51, 153)},
}};

void drawBall(QPainter &p, const QPointF &centre, qreal radius)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    // A pentagon in the middle and the seams that leave its corners.
    QPolygonF pentagon;
    for (int k = 0; k < 5; ++k) {
        const qreal a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
        pentagon << centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.38;
    }
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(pentagon);
    for (const QPointF &corner : pentagon)
        p.drawLine(corner, centre + (corner - centre) * 2.35);
}

void drawTournament(QPainter &p, const Host &host)
{
    const QRectF card(2, 2, 116, 86);
    QPainterPath clip;
    clip.addRoundedRect(card, 10, 10);
    p.save();
    p.setClipPath(clip);
    // Three slanted bands of the host's colours behind a white field.
    for (int i = 0; i < 3; ++i) {
        QPolygonF band;
        const qreal x = -20 + i * 53;
        band << QPointF(x, 0) << QPointF(x + 53, 0) << QPointF(x + 33, 90) << QPointF(x - 20, 90);
        p.setPen(Qt::NoPen);
        p.setBrush(host.bands[std::size_t(i)]);
        p.drawPolygon(band);
    }
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(QRectF(14, 50, 92, 32), 8, 8);
    p.restore();
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card, 10, 10);

    drawBall(p, QPointF(60, 27), 17);
    drawFittedText(p, QRectF(18, 52, 84, 28), QString::fromUtf16(host.chart).right(4), host.ink, QFont::Black);
}

void drawEmptyPodium(QPainter &p)
{
    const QColor step(205, 210, 220);
    const QColor edge(150, 155, 170);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(step);
    // Second, first, third from left to right, as podiums stand.
    const std::array<QRectF, 3> steps{QRectF(8, 50, 28, 32), QRectF(36, 34, 28, 48), QRectF(64, 60, 28, 22)};
    for (const QRectF &s : steps)
        p.drawRect(s);
    const std::array<const char16_t *, 3> places{u"2", u"1", u"3"};
    for (std::size_t i = 0; i < steps.size(); ++i)
        drawFittedText(p, steps[i].adjusted(6, 4, -6, -std::max(0.0, steps[i].height() - 22)),
                       QString::fromUtf16(places[i]), Qt::white);
    // Nobody on it yet.
    for (std::size_t i = 0; i < steps.size(); ++i)
        drawFittedText(p, QRectF(steps[i].left() + 4, steps[i].top() - 20, 20, 18), QStringLiteral("?"), edge);
}

void drawCloseButton(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(10, 10, 80, 80), QColor(235, 90, 80), QColor(175, 40, 35)));
    p.drawEllipse(QRectF(10, 10, 80, 80));
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 34), QPointF(66, 66));
    p.drawLine(QPointF(66, 34), QPointF(34, 66));
}

} // namespace

QPixmap tournament(QStringView chartName, const QSize &size)
{
    const auto host = std::ranges::find_if(hosts, [chartName](const Host &h) { return chartName == h.chart; });
    if (host == hosts.end())
        return QPixmap();
    return drawn(size, tournamentDesign, [&host](QPainter &p) { drawTournament(p, *host); });
}

QPixmap emptyPodium(const QSize &size)
{
    return drawn(size, QSizeF(100, 90), drawEmptyPodium);
}

QPixmap closeButton(const QSize &size)
{
    return drawn(size, QSizeF(100, 100), drawCloseButton);
}

} // namespace Pictures

#include "gui/pictures/Pictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <QPainter>
#include <array>

// The buttons' pictures: knock-out page, calendar, site, printer.
namespace Pictures {
namespace {

void drawGroupTableIcon(QPainter &p)
{
    const QRectF sheet(6, 10, 88, 80);
    p.setPen(QPen(QColor(60, 80, 100), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawRoundedRect(QRectF(6, 10, 88, 16), 6, 6);
    p.drawRect(QRectF(6, 18, 88, 8));
    const std::array<QColor, 4> slotColours{Qt::white, QColor(255, 255, 192), QColor(192, 255, 192),
                                            QColor(192, 255, 255)};
    for (int row = 0; row < 4; ++row) {
        const qreal y = 30 + row * 15;
        p.setPen(QPen(QColor(170, 180, 190), 1));
        p.setBrush(slotColours[std::size_t(row)]);
        p.drawRect(QRectF(12, y, 46, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(row < 2 ? QColor(255, 0, 0) : QColor(200, 200, 200));
        p.drawRect(QRectF(16, y + 4, 30, 3));
        p.setBrush(QColor(60, 60, 60));
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(66 + col * 10, y + 5.5), 2.2, 2.2);
    }
}

void drawBracketIcon(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 120), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (int pair = 0; pair < 2; ++pair) {
        const qreal top = 12 + pair * 44;
        const qreal bottom = top + 28;
        p.drawPolyline(QPolygonF{QPointF(8, top), QPointF(30, top), QPointF(30, bottom), QPointF(8, bottom)});
        p.drawLine(QPointF(30, (top + bottom) / 2), QPointF(50, (top + bottom) / 2));
    }
    p.drawPolyline(QPolygonF{QPointF(50, 26), QPointF(62, 26), QPointF(62, 70), QPointF(50, 70)});
    p.drawLine(QPointF(62, 48), QPointF(72, 48));
    drawStar(p, QPointF(83, 48), 14, QColor(230, 170, 0));
}

void drawCalendarClose(QPainter &p)
{
    // A cross alone: pictures cannot follow the language of the window.
    const QRectF button(8, 66, 84, 28);
    p.setPen(QPen(QColor(120, 20, 20), 1.2));
    p.setBrush(vertical(button, QColor(225, 70, 60), QColor(165, 25, 25)));
    p.drawRoundedRect(button, 14, 14);
    const QPointF mark = button.center();
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mark + QPointF(-6, -6), mark + QPointF(6, 6));
    p.drawLine(mark + QPointF(-6, 6), mark + QPointF(6, -6));
}

// The author's site: a globe under the address bar of a page.
void drawWebsite(QPainter &p)
{
    const QRectF page(6, 10, 88, 80);
    p.setPen(QPen(QColor(40, 70, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x6b, 0x3a));
    p.drawRoundedRect(QRectF(6, 10, 88, 16), 8, 8);
    p.drawRect(QRectF(6, 18, 88, 8));
    const QPointF centre(50, 58);
    p.setBrush(QColor(60, 140, 200));
    p.drawEllipse(centre, 24, 24);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 10, 24);
    p.drawLine(centre + QPointF(-24, 0), centre + QPointF(24, 0));
    p.drawLine(centre + QPointF(0, -24), centre + QPointF(0, 24));
}

// A printer with a sheet coming out of it.
void drawPrinter(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(28, 12, 44, 30));
    p.setBrush(vertical(QRectF(10, 38, 80, 34), QColor(150, 160, 170), QColor(90, 100, 110)));
    p.drawRoundedRect(QRectF(10, 38, 80, 34), 6, 6);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(28, 62, 44, 28));
    p.setPen(QPen(QColor(0x1f, 0x6b, 0x3a), 2.5));
    for (int y : {70, 77, 84})
        p.drawLine(QPointF(34, y), QPointF(66, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QPointF(80, 48), 3.5, 3.5);
}

} // namespace

QPixmap knockoutButton(int ico, const QSize &size)
{
    // Drawn anew at every change of the button's caption otherwise.
    return drawnOnce(QStringLiteral("knockout %1").arg(ico), size, QSizeF(100, 100),
                     ico == 0 ? drawGroupTableIcon : drawBracketIcon);
}

QPixmap calendarClose(const QSize &size)
{
    return drawnOnce(QStringLiteral("calendarClose"), size, QSizeF(100, 100), drawCalendarClose);
}

QPixmap website(const QSize &size)
{
    return drawnOnce(QStringLiteral("website"), size, QSizeF(100, 100), drawWebsite);
}

QPixmap printer(const QSize &size)
{
    return drawnOnce(QStringLiteral("printer"), size, QSizeF(100, 100), drawPrinter);
}

} // namespace Pictures

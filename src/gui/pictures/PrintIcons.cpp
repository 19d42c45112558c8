#include "gui/pictures/PrintIcons.h"

#include <algorithm>
#include <functional>

#include <QPainter>
#include <QPainterPath>

namespace PrintIcons {
namespace {

const QColor ink(0x1f, 0x4d, 0x2b);
const QColor green(0x1f, 0x6b, 0x3a);
const QColor paper(0xfb, 0xfb, 0xf7);

// Drawn in a 100 x 100 design space, as large as the button's icon allows
// without distortion, centred in it.
QPixmap drawn(const QSize &size, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double scale = std::min(pixmap.width(), pixmap.height()) / 100.0;
    p.translate((pixmap.width() - 100 * scale) / 2, (pixmap.height() - 100 * scale) / 2);
    p.scale(scale, scale);
    paint(p);
    return pixmap;
}

// A small landscape sheet with its bracket lines.
void drawSheet(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(ink, 3));
    p.setBrush(paper);
    p.drawRect(r);
    p.setPen(QPen(green, 3));
    const double x = r.left() + r.width() * 0.15;
    for (int i = 0; i < 4; ++i) {
        const double y = r.top() + r.height() * (0.2 + 0.2 * i);
        p.drawLine(QPointF(x, y), QPointF(x + r.width() * 0.3, y));
    }
    p.drawLine(QPointF(x + r.width() * 0.3, r.top() + r.height() * 0.2),
               QPointF(x + r.width() * 0.3, r.top() + r.height() * 0.8));
    p.drawLine(QPointF(x + r.width() * 0.3, r.center().y()), QPointF(x + r.width() * 0.65, r.center().y()));
}

void drawArrowHead(QPainter &p, const QPointF &tip, const QPointF &back, double width)
{
    const QPointF along = tip - back;
    const QPointF across(-along.y() * width, along.x() * width);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back + across);
    head.lineTo(back - across);
    head.closeSubpath();
    p.fillPath(head, green);
}

void paintRedraw(QPainter &p)
{
    drawSheet(p, QRectF(14, 24, 72, 52));
    p.setPen(QPen(green, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(52, 44, 40, 40), 100 * 16, 250 * 16);
    drawArrowHead(p, QPointF(78, 42), QPointF(66, 44), 0.7);
}

void paintSaveAndOpen(QPainter &p)
{
    drawSheet(p, QRectF(10, 14, 70, 50));
    // An arrow down into a tray: written to the disk.
    p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 80), QPointF(62, 92));
    p.drawLine(QPointF(62, 92), QPointF(92, 92));
    p.drawLine(QPointF(92, 92), QPointF(92, 80));
    p.setPen(QPen(green, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(77, 48), QPointF(77, 72));
    drawArrowHead(p, QPointF(77, 88), QPointF(77, 72), 0.6);
}

void paintSaveAs(QPainter &p)
{
    QPainterPath page;
    page.moveTo(22, 8);
    page.lineTo(62, 8);
    page.lineTo(80, 26);
    page.lineTo(80, 92);
    page.lineTo(22, 92);
    page.closeSubpath();
    p.setPen(QPen(ink, 3));
    p.setBrush(paper);
    p.drawPath(page);
    p.drawLine(QPointF(62, 8), QPointF(62, 26));
    p.drawLine(QPointF(62, 26), QPointF(80, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawRect(QRectF(12, 42, 76, 30));
    QFont font;
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(12, 42, 76, 30), Qt::AlignCenter, QStringLiteral("PDF"));
}

void paintPrint(QPainter &p)
{
    p.setPen(QPen(ink, 3));
    p.setBrush(paper);
    p.drawRect(QRectF(28, 8, 44, 30));
    p.setBrush(QColor(0x5b, 0x75, 0x60));
    p.drawRoundedRect(QRectF(8, 34, 84, 38), 8, 8);
    p.setBrush(paper);
    p.drawRect(QRectF(26, 60, 48, 32));
    p.setPen(QPen(green, 3));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(34, 68 + 8 * i), QPointF(66, 68 + 8 * i));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8c, 0xd0, 0x6c));
    p.drawEllipse(QPointF(80, 44), 4, 4);
}

void paintBack(QPainter &p)
{
    p.setPen(QPen(green, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 50), QPointF(88, 50));
    drawArrowHead(p, QPointF(10, 50), QPointF(46, 50), 0.75);
}

} // namespace

QPixmap redraw(const QSize &size)
{
    return drawn(size, paintRedraw);
}

QPixmap saveAndOpen(const QSize &size)
{
    return drawn(size, paintSaveAndOpen);
}

QPixmap saveAs(const QSize &size)
{
    return drawn(size, paintSaveAs);
}

QPixmap print(const QSize &size)
{
    return drawn(size, paintPrint);
}

QPixmap back(const QSize &size)
{
    return drawn(size, paintBack);
}

} // namespace PrintIcons

#include "gui/pictures/Pictures.h"

#include "gui/pictures/PictureDrawing.h"

#include <QPainter>

// The broadcasters' logos, drawn as tiles.
namespace Pictures {
namespace {

void logoTile(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(r, colour.lighter(125), colour.darker(115)));
    p.drawRoundedRect(r, 14, 14);
}

void drawCanalPlus(QPainter &p)
{
    logoTile(p, QRectF(2, 2, 96, 96), QColor(18, 18, 18));
    drawFittedText(p, QRectF(10, 20, 52, 60), QStringLiteral("C"), Qt::white, QFont::Black);
    // The plus is drawn, not typeset, so that it stands as tall as the C.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(61, 44, 28, 11));
    p.drawRect(QRectF(69.5, 35.5, 11, 28));
}

void drawTf1(QPainter &p)
{
    logoTile(p, QRectF(2, 2, 96, 96), Qt::white);
    p.setPen(QPen(QColor(200, 200, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 14, 14);
    const QRectF blue(10, 26, 52, 48);
    const QRectF red(66, 26, 26, 48);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(blue, QColor(30, 90, 200), QColor(10, 50, 150)));
    p.drawRoundedRect(blue, 6, 6);
    p.setBrush(vertical(red, QColor(235, 40, 40), QColor(180, 10, 20)));
    p.drawRoundedRect(red, 6, 6);
    drawFittedText(p, blue.adjusted(4, 4, -4, -4), QStringLiteral("TF"), Qt::white, QFont::Black);
    drawFittedText(p, red.adjusted(3, 4, -3, -4), QStringLiteral("1"), Qt::white, QFont::Black);
}

void drawNumberedChannel(QPainter &p, const QColor &colour, const QString &name)
{
    logoTile(p, QRectF(2, 2, 96, 96), colour);
    p.setPen(QPen(QColor(255, 255, 255, 160), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(9, 9, 82, 82), 10, 10);
    drawFittedText(p, QRectF(14, 20, 72, 60), name, Qt::white, QFont::Black);
}

} // namespace

QPixmap broadcasterLogo(int channel, const QSize &size)
{
    return drawn(size, QSizeF(100, 100), [channel](QPainter &p) {
        switch (channel) {
        case 0:
            drawCanalPlus(p);
            break;
        case 1:
            drawTf1(p);
            break;
        case 2:
            drawNumberedChannel(p, QColor(215, 20, 35), QStringLiteral("F2"));
            break;
        case 3:
            drawNumberedChannel(p, QColor(20, 85, 180), QStringLiteral("F3"));
            break;
        default:
            break;
        }
    });
}

} // namespace Pictures

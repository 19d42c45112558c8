#include "gui/pictures/PictureDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>

namespace Pictures {

QPixmap drawn(const QSize &size, const QSizeF &design, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(pixmap.width() / design.width(), pixmap.height() / design.height());
    paint(p);
    return pixmap;
}

QPixmap drawnOnce(const QString &key, const QSize &size, const QSizeF &design,
                  const std::function<void(QPainter &)> &paint)
{
    const QString sized = QStringLiteral("%1 %2x%3").arg(key).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(sized, &pixmap)) {
        pixmap = drawn(size, design, paint);
        QPixmapCache::insert(sized, pixmap);
    }
    return pixmap;
}

// Measured once at the box's height and scaled down from there: loading a
// font engine for every size tried made the pictures the slowest part of
// opening the window.
QFont fittedFont(const QString &text, const QSizeF &box, QFont::Weight weight)
{
    QFont font;
    font.setWeight(weight);
    const int tallest = std::max(3, int(box.height()));
    font.setPixelSize(tallest);
    const QFontMetricsF metrics(font);
    const qreal advance = std::max<qreal>(1, metrics.horizontalAdvance(text));
    const qreal scale = std::min({1.0, box.width() / advance, box.height() * 1.25 / metrics.height()});
    font.setPixelSize(std::max(3, int(tallest * scale)));
    return font;
}

void drawFittedText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour,
                    QFont::Weight weight)
{
    p.save();
    p.setFont(fittedFont(text, box.size(), weight));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void drawStar(QPainter &p, const QPointF &centre, qreal outer, const QColor &colour)
{
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const qreal r = k % 2 ? outer * 0.45 : outer;
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        star << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(star);
}

} // namespace Pictures

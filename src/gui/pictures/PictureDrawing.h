#pragma once

#include <functional>

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPixmap>

class QPainter;

// What every drawn picture is made with, whatever its family.
namespace Pictures {

// Each picture is drawn in its own design space and stretched to the size
// asked for, as the window stretches its pictures to their boxes.
QPixmap drawn(const QSize &size, const QSizeF &design, const std::function<void(QPainter &)> &paint);
// The same, drawn once per key and size: for the pictures that several
// controls, or every refresh of a caption, ask for again, and those of the
// window's start, which are kept on disk while keepStartPictures() says.
QPixmap drawnOnce(const QString &key, const QSize &size, const QSizeF &design,
                  const std::function<void(QPainter &)> &paint);

// The largest font of that weight whose text fits the box.
QFont fittedFont(const QString &text, const QSizeF &box, QFont::Weight weight = QFont::Bold);
void drawFittedText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour,
                    QFont::Weight weight = QFont::Bold);

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom);
void drawStar(QPainter &p, const QPointF &centre, qreal outer, const QColor &colour);

} // namespace Pictures

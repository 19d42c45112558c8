#include "gui/kit/FittingText.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace fittingText {
namespace {

// Sizes go down in steps small enough to waste little room, and few enough
// to cost nothing against a paint.
constexpr double step = 0.05;

double sizeOf(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize());
}

QFont sized(const QFont &font, double size)
{
    QFont f = font;
    if (font.pointSizeF() > 0)
        f.setPointSizeF(size);
    else
        f.setPixelSize(std::max(1, int(size)));
    return f;
}

bool fits(const QFontMetrics &metrics, const QString &text, int width, int height)
{
    return metrics.horizontalAdvance(text) <= width && (height <= 0 || metrics.height() <= height);
}

} // namespace

Fit fit(const QString &text, const QFont &font, int width, int height)
{
    if (fits(QFontMetrics(font), text, width, height))
        return {font, text, false};
    const double size = sizeOf(font);
    QFont smaller = font;
    for (double share = 1.0 - step; share >= floorShare - 1e-9; share -= step) {
        smaller = sized(font, size * share);
        if (fits(QFontMetrics(smaller), text, width, height))
            return {smaller, text, false};
    }
    const QString elided = QFontMetrics(smaller).elidedText(text, Qt::ElideRight, std::max(0, width));
    return {smaller, elided, elided != text};
}

bool showWholeText(QWidget *w, QEvent *event, const QString &whole, const Fit &shown)
{
    if (event->type() != QEvent::ToolTip || !shown.elided)
        return false;
    const QString own = w->toolTip();
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), own.isEmpty() ? whole : whole + u'\n' + own,
                       w);
    return true;
}

} // namespace fittingText

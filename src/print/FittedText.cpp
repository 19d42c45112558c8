#include "print/FittedText.h"

#include <QFontMetricsF>
#include <QStringList>

namespace {

// The narrow faces of the usual sans-serif families, the one of the
// requested family first; a condensed stretch where none is installed.
QFont narrower(const QFont &font)
{
    QFont narrow = font;
    const QString family = font.family();
    QStringList families;
    families << family + QStringLiteral(" Narrow") << family + QStringLiteral(" Condensed")
             << QStringLiteral("Liberation Sans Narrow") << QStringLiteral("Arial Narrow")
             << QStringLiteral("DejaVu Sans Condensed");
    narrow.setFamilies(families);
    narrow.setStretch(QFont::Condensed);
    return narrow;
}

} // namespace

FittedText fitText(const QString &text, const QFont &font, double width)
{
    if (QFontMetricsF(font).horizontalAdvance(text) <= width)
        return {font, text};
    const QFont narrow = narrower(font);
    const QFontMetricsF metrics(narrow);
    if (metrics.horizontalAdvance(text) <= width)
        return {narrow, text};
    return {narrow, metrics.elidedText(text, Qt::ElideRight, width)};
}

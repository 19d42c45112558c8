#include "print/SheetPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "print/FittedText.h"
#include "print/FormatSheetPainter.h"
#include "print/Sheet.h"
#include "print/SheetFont.h"
#include "print/SheetTemplate.h"

namespace {

constexpr double namePixels = 11;

void drawNames(QPainter &p, const Sheet &sheet)
{
    p.setPen(Qt::black);
    for (const SheetText &name : sheet.texts) {
        if (name.text.isEmpty())
            continue;
        const FittedText fitted =
            fitText(name.text, sheetFont(namePixels, name.bold), double(name.width) / sheetTwipsPerPixel);
        p.setFont(fitted.font);
        // The position is the text's top-left corner, as the chart places it.
        const QPointF topLeft(double(name.at.x()) / sheetTwipsPerPixel, double(name.at.y()) / sheetTwipsPerPixel);
        p.drawText(topLeft + QPointF(0, QFontMetricsF(fitted.font).ascent()), fitted.text);
    }
}

} // namespace

QSize paintedSize(const Sheet &sheet)
{
    return sheet.format ? formatSheetSize : sheetSize;
}

void paintSheet(QPainter &p, const Sheet &sheet)
{
    if (sheet.format) {
        paintFormatSheet(p, *sheet.format);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawSheetTemplate(p, sheet.captions, sheet.link);
    drawNames(p, sheet);
    p.restore();
}

void paintSheet(QPainter &p, const Sheet &sheet, const QRectF &target)
{
    const QSize size = paintedSize(sheet);
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    p.save();
    p.translate(target.center());
    p.scale(scale, scale);
    p.translate(-size.width() / 2.0, -size.height() / 2.0);
    paintSheet(p, sheet);
    p.restore();
}

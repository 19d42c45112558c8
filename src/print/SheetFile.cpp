#include "print/SheetFile.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

#include "print/PdfPage.h"
#include "print/Sheet.h"
#include "print/SheetPainter.h"

namespace {

// Twice the sheet's pixels: the smallest whole scale at which the names
// read well on screen and on paper.
constexpr int pictureScale = 2;

} // namespace

QImage sheetImage(const Sheet &sheet, double scale)
{
    QImage image((QSizeF(paintedSize(sheet)) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    paintSheet(p, sheet);
    return image;
}

QString writeSheetFile(const Sheet &sheet, const QString &path, Paper paper)
{
    if (QFileInfo(path).suffix().toLower() == u"pdf")
        return writePdfPage(
            path, [&sheet](QPainter &p, const QRectF &rect) { paintSheet(p, sheet, rect); }, paper);
    return writeImageFile(sheetImage(sheet, pictureScale * paperScale(paper)), path);
}

QString writeImageFile(const QImage &image, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"bmp" && suffix != u"png")
        return QStringLiteral("unknown format \"%1\" (use .bmp, .png or .pdf)").arg(suffix);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!image.save(&file, suffix.toLatin1().constData())) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

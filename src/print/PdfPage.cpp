#include "print/PdfPage.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QString writePdfPage(const QString &path, const DrawPage &draw, Paper paper)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Vylora 2010"));
        pdf.setTitle(QStringLiteral("Vylora 2010"));
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(pageSize(paper), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&pdf)) {
            file.cancelWriting();
            return QStringLiteral("the page could not be drawn");
        }
        // The painter's origin is the top-left corner inside the margins.
        draw(p, QRectF(0, 0, pdf.width(), pdf.height()));
        p.end();
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

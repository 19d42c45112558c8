#include "gui/print/PagePrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "gui/kit/Prompts.h"
#include "gui/print/PrintTexts.h"
#include "print/SheetFile.h"
#include "storage/ProgramFolder.h"

namespace {

const QString title = QStringLiteral("Vylora 2010");

QPrinterInfo defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return info;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.first();
}

bool sendToPrinter(const QPrinterInfo &info, const DrawPage &draw, Paper paper)
{
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(pageSize(paper));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    draw(p, QRectF(0, 0, printer.width(), printer.height()));
    return p.end() && printer.printerState() != QPrinter::Error;
}

void offerCopy(QWidget *parent, Prompts &prompts, const MessageTable &messages, const SavePage &save,
               const QString &copyName, Message why)
{
    if (!prompts.question(parent, title, printText(messages, why), true))
        return;
    const QString path =
        prompts.saveFileName(parent, printText(messages, Message::saveAsTitle), ProgramFolder::filePath(copyName),
                             {QStringLiteral("PDF (*.pdf)"), QStringLiteral("PNG (*.png)")});
    if (path.isEmpty())
        return;
    if (!save(path).isEmpty())
        prompts.warning(parent, title,
                        printText(messages, Message::fileNotWritten).arg(QDir::toNativeSeparators(path)));
    else
        prompts.notice(parent, title, printText(messages, Message::chartSaved).arg(QFileInfo(path).fileName()));
}

} // namespace

bool printPage(QWidget *parent, Prompts &prompts, const MessageTable &messages, const DrawPage &draw,
               const SavePage &save, const QString &copyName, Paper paper)
{
    const QPrinterInfo printer = defaultPrinter();
    if (printer.isNull()) {
        offerCopy(parent, prompts, messages, save, copyName, Message::noPrinter);
        return false;
    }
    if (!sendToPrinter(printer, draw, paper)) {
        offerCopy(parent, prompts, messages, save, copyName, Message::printFailed);
        return false;
    }
    return true;
}

bool printWindowImage(QWidget &window, QWidget *buttons, Prompts &prompts, const MessageTable &messages,
                      const QString &copyName)
{
    const bool shown = buttons && buttons->isVisible();
    if (shown)
        buttons->hide();
    const QImage image = window.grab().toImage();
    if (shown)
        buttons->show();
    const DrawPage draw = [&image](QPainter &p, const QRectF &rect) {
        const QSizeF size = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(rect.center() - QPointF(size.width(), size.height()) / 2, size), image);
    };
    const SavePage save = [&image, &draw](const QString &path) {
        return QFileInfo(path).suffix().toLower() == u"pdf" ? writePdfPage(path, draw)
                                                            : writeImageFile(image, path);
    };
    return printPage(&window, prompts, messages, draw, save, copyName);
}

#include "gui/print/PrintWindow.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QToolButton>

#include "gui/controls/Controls.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/Prompts.h"
#include "gui/pictures/PrintIcons.h"
#include "gui/print/PagePrinter.h"
#include "gui/print/PrintTexts.h"
#include "gui/print/SheetView.h"
#include "online/ServerSettings.h"
#include "print/FormatSheetPainter.h"
#include "print/Sheet.h"
#include "print/SheetFile.h"
#include "print/SheetPainter.h"
#include "storage/ProgramFolder.h"
#include "tournament/Tournament.h"

namespace {

const QString bitmapName = QStringLiteral("vyl.bmp");

} // namespace

PrintWindow::PrintWindow(const Tournament &t, Prompts &prompts, QWidget *mainWindow)
    : m_tournament(t)
    , m_prompts(prompts)
    , m_site(ServerSettings::siteUrl().value_or(QUrl()))
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("PrintWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());

    m_view = makeControl<SheetView>(this, QStringLiteral("Pic"), -1, QRect(15, -135, 14190, 10380));

    // Over the web link printed on the sheet.
    auto *link = makeControl<ClickableLabel>(this, QStringLiteral("Label1"), -1, QRect(9675, 8970, 4125, 990));
    m_link = link;
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(m_site.toString());
    link->setVisible(!m_site.isEmpty());
    connect(link, &ClickableLabel::clicked, this, [this] { QDesktopServices::openUrl(m_site); });

    buildButtons();
    showTexts();
    redraw();
}

void PrintWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    showTexts();
    redraw();
}

void PrintWindow::showTexts()
{
    setWindowTitle(printText(m_tournament.messages(), Message::printCaption));
    for (const auto &[w, toolTip] : std::as_const(m_toolTips))
        w->setToolTip(printText(m_tournament.messages(), toolTip));
}

void PrintWindow::buildButtons()
{
    // The save-as button stands right under save-and-open, the paper above
    // them all; the frame grows upwards by their height so that it keeps
    // clear of the podium.
    m_buttons = makeControl<QFrame>(this, QStringLiteral("Frame1"), -1, QRect(12525, 2370, 1545, 4560));
    m_buttons->setAutoFillBackground(true);
    QPalette white = m_buttons->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_buttons->setPalette(white);
    m_buttons->setFrameShape(QFrame::Box);

    struct Button
    {
        const char16_t *name;
        int top;
        QPixmap (*picture)(const QSize &);
        Message toolTip;
        void (PrintWindow::*action)();
    };
    const Button buttons[] = {
        {u"Command2", 105, PrintIcons::redraw, Message::redraw, &PrintWindow::redraw},
        {u"Command3", 915, PrintIcons::saveAndOpen, Message::saveAndOpen, &PrintWindow::saveAndOpen},
        {u"Command4", 1725, PrintIcons::saveAs, Message::saveAsPdfOrPng, &PrintWindow::saveAs},
        {u"Command5", 2535, PrintIcons::print, Message::printChart, &PrintWindow::print},
        {u"Command1", 3345, PrintIcons::back, Message::backToProgram, &PrintWindow::back},
    };
    m_paper = makeControl<QComboBox>(m_buttons, QStringLiteral("Combo1"), -1, QRect(150, 90, 1245, 330));
    m_paper->addItem(QStringLiteral("A4"), int(Paper::A4));
    m_paper->addItem(QStringLiteral("A3"), int(Paper::A3));
    m_toolTips.append({m_paper, Message::paperChoice});
    for (const Button &b : buttons) {
        auto *button = makeControl<QToolButton>(m_buttons, QString::fromUtf16(b.name), -1,
                                                QRect(262, b.top + 420, 1020, 720));
        button->setAutoRaise(true);
        button->setIconSize(button->size() - QSize(8, 8));
        button->setIcon(b.picture(button->iconSize()));
        m_toolTips.append({button, b.toolTip});
        connect(button, &QToolButton::clicked, this, b.action);
    }
}

const Sheet &PrintWindow::sheet() const
{
    return m_view->sheet();
}

Paper PrintWindow::paper() const
{
    return Paper(m_paper->currentData().toInt());
}

void PrintWindow::fitToSheet()
{
    if (!sheet().format) {
        setFixedSize(px(14100), px(10140));
        m_view->setGeometry(twipsRect(15, -135, 14190, 10380));
        m_link->setGeometry(twipsRect(9675, 8970, 4125, 990));
        m_buttons->move(px(12525), px(2370));
        return;
    }
    constexpr int border = 6;
    m_view->setGeometry(QRect(QPoint(border, border), formatSheetSize));
    m_link->setGeometry(formatSheetLinkArea().translated(border, border).toAlignedRect());
    m_buttons->move(m_view->geometry().right() + border, border + 120);
    setFixedSize(m_buttons->geometry().right() + border, m_view->geometry().bottom() + border);
}

void PrintWindow::redraw()
{
    // The team list lives as long as the window: a team cell standing at no
    // place row leaves its slot as the last redraw found it.
    ChargeInfo(m_tournament, m_teams);
    m_view->setSheet(DrawChart(m_tournament, m_teams, m_site.toString()));
    fitToSheet();
}

void PrintWindow::notWritten(const QString &path)
{
    m_prompts.warning(
        this, QStringLiteral("Vylora 2010"),
        printText(m_tournament.messages(), Message::fileNotWritten).arg(QDir::toNativeSeparators(path)));
}

// Said in this window: the main window's status line lies behind it.
void PrintWindow::written(const QString &path)
{
    m_prompts.notice(this, QStringLiteral("Vylora 2010"),
                     printText(m_tournament.messages(), Message::chartSaved).arg(QFileInfo(path).fileName()));
}

void PrintWindow::saveAndOpen()
{
    const QString path = ProgramFolder::filePath(bitmapName);
    if (!writeSheetFile(sheet(), path, paper()).isEmpty()) {
        notWritten(path);
        return;
    }
    written(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void PrintWindow::saveAs()
{
    const QString path = m_prompts.saveFileName(this, printText(m_tournament.messages(), Message::saveAsTitle),
                                                ProgramFolder::filePath(QStringLiteral("vyl.pdf")),
                                                {QStringLiteral("PDF (*.pdf)"), QStringLiteral("PNG (*.png)")});
    if (path.isEmpty())
        return;
    if (writeSheetFile(sheet(), path, paper()).isEmpty())
        written(path);
    else
        notWritten(path);
}

void PrintWindow::print()
{
    // Hidden for the time of the print, as a printed window would show them.
    m_buttons->hide();
    const Sheet &printed = sheet();
    const Paper chosen = paper();
    printPage(
        this, m_prompts, m_tournament.messages(),
        [&printed](QPainter &p, const QRectF &rect) { paintSheet(p, printed, rect); },
        [&printed, chosen](const QString &path) { return writeSheetFile(printed, path, chosen); },
        QStringLiteral("vyl.pdf"), chosen);
    m_buttons->show();
}

void PrintWindow::back()
{
    close();
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->activateWindow();
    }
}

// The print window driven by clicks: opening, redraw, the bitmap, the
// save dialog, printing without a printer, the web link, back.
#include <QDesktopServices>
#include <QDir>
#include <QImageReader>
#include <QPrinterInfo>
#include <QTest>
#include <QToolButton>

#include "gui/print/PrintWindow.h"
#include "online/ServerSettings.h"
#include "print/Sheet.h"
#include "print/SheetFile.h"
#include "support/ChartWindow.h"
#include "support/Results2010.h"
#include "support/TemporaryProgramFolder.h"

namespace {

// Keeps what the program asked the desktop to open instead of opening it.
class OpenedUrls final : public QObject
{
    Q_OBJECT
public:
    OpenedUrls()
    {
        for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override
    {
        for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

QStringList noticeTexts(const AnsweringPrompts &prompts, AnsweringPrompts::Kind kind)
{
    QStringList texts;
    for (const AnsweringPrompts::Asked &asked : prompts.asked())
        if (asked.kind == kind)
            texts << asked.text;
    return texts;
}

} // namespace

class TestPrintWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printButtonOpensOneWindow();
    void redrawShowsTheChartAsItIsNow();
    void saveAndOpen_data();
    void saveAndOpen();
    void saveAs_data();
    void saveAs();
    void printWithoutPrinterOffersAPdf_data();
    void printWithoutPrinterOffersAPdf();
    void webLinkAndBack();
    void quitterClosesIt();

private:
    // Opens the print window of a 2010 chart with its names, by the button.
    PrintWindow *open();
    void click(const QString &button) const;

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    std::unique_ptr<ChartWindow> m_chart;
    std::unique_ptr<OpenedUrls> m_opened;
    QPointer<PrintWindow> m_window;
};

void TestPrintWindow::init()
{
    m_folder = std::make_unique<TemporaryProgramFolder>();
    m_chart = std::make_unique<ChartWindow>();
    m_opened = std::make_unique<OpenedUrls>();
    nameTeams2010(m_chart->t);
    QVERIFY(m_chart->start());
}

void TestPrintWindow::cleanup()
{
    ServerSettings::clearOverride();
    m_opened.reset();
    m_chart.reset();
    m_folder.reset();
}

PrintWindow *TestPrintWindow::open()
{
    if (!m_chart->click(QStringLiteral("Command13")))
        return nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<PrintWindow *>(w); window && window->isVisible())
            m_window = window;
    return m_window;
}

void TestPrintWindow::click(const QString &button) const
{
    auto *w = findControl<QToolButton>(*m_window, button);
    QVERIFY2(w, qPrintable(button));
    QTest::mouseClick(w, Qt::LeftButton);
}

void TestPrintWindow::printButtonOpensOneWindow()
{
    QVERIFY(open());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->sheet().texts.front().text, QStringLiteral("South Africa"));
    // A second click brings the same window forward.
    PrintWindow *first = m_window;
    QCOMPARE(open(), first);
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<PrintWindow *>(w) != nullptr;
    QCOMPARE(windows, 1);
}

// The picture keeps the chart it was drawn from until the redraw, which
// starts again from the clean template: nothing of the old names remains.
void TestPrintWindow::redrawShowsTheChartAsItIsNow()
{
    QVERIFY(open());
    const Sheet before = m_window->sheet();
    enterResults2010(m_chart->t);
    auto *view = findControl(*m_window, QStringLiteral("Pic"));
    QVERIFY(view);
    QCOMPARE(view->grab().toImage().copy(QRect(QPoint(), sheetSize)), sheetImage(before, 1));

    click(QStringLiteral("Command2"));
    QCOMPARE(m_window->sheet().texts.front().text, QStringLiteral("Uruguay"));
    QCOMPARE(view->grab().toImage().copy(QRect(QPoint(), sheetSize)), sheetImage(m_window->sheet(), 1));
}

void TestPrintWindow::saveAndOpen_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("written, then opened") << true;
    // A folder in the bitmap's place: the file cannot be written.
    QTest::newRow("not written, never opened") << false;
}

void TestPrintWindow::saveAndOpen()
{
    QFETCH(bool, writable);
    const QString path = m_folder->filePath(QStringLiteral("vyl.bmp"));
    if (!writable)
        QVERIFY(QDir().mkpath(path));
    QVERIFY(open());
    click(QStringLiteral("Command3"));

    if (writable) {
        QCOMPARE(QImageReader(path).format(), QByteArray("bmp"));
        QCOMPARE(m_opened->urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        // The confirmation shows over this window, not behind it.
        const QList<AnsweringPrompts::Asked> &asked = m_chart->prompts.asked();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().kind, AnsweringPrompts::Kind::Notice);
        QCOMPARE(asked.first().parent, m_window.data());
    } else {
        QCOMPARE(m_opened->urls, QList<QUrl>());
        const QStringList notices = noticeTexts(m_chart->prompts, AnsweringPrompts::Kind::Warning);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.first().contains(QDir::toNativeSeparators(path)), qPrintable(notices.first()));
    }
}

void TestPrintWindow::saveAs_data()
{
    QTest::addColumn<QString>("name"); // empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("pdf") << "chart.pdf" << QByteArray("pdf");
    QTest::newRow("png") << "chart.png" << QByteArray("png");
    QTest::newRow("cancelled") << QString() << QByteArray();
}

void TestPrintWindow::saveAs()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const QString path = name.isEmpty() ? QString() : m_folder->filePath(name);
    m_chart->prompts.queueSaveFileName(path);
    QVERIFY(open());
    click(QStringLiteral("Command4"));

    QCOMPARE(m_chart->prompts.suggestedSaveFileNames(),
             QStringList{m_folder->filePath(QStringLiteral("vyl.pdf"))});
    if (format == "pdf")
        QVERIFY(m_folder->read(name).startsWith("%PDF-"));
    else if (format == "png")
        QCOMPARE(QImageReader(path).format(), format);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), name.isEmpty() ? QStringList() : QStringList{name});
    QVERIFY(noticeTexts(m_chart->prompts, AnsweringPrompts::Kind::Warning).isEmpty());
}

void TestPrintWindow::printWithoutPrinterOffersAPdf_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("name"); // of the PDF chosen; empty: cancelled
    QTest::newRow("saved instead") << true << "vyl.pdf";
    QTest::newRow("saved as a picture") << true << "vyl.png";
    QTest::newRow("declined") << false << QString();
    QTest::newRow("save dialog cancelled") << true << QString();
}

void TestPrintWindow::printWithoutPrinterOffersAPdf()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed here; this checks a machine without one");
    QFETCH(bool, yes);
    QFETCH(QString, name);
    m_chart->prompts.queueAnswer(yes);
    if (!name.isEmpty())
        m_chart->prompts.queueSaveFileName(m_folder->filePath(name));
    QVERIFY(open());
    click(QStringLiteral("Command5"));

    const QStringList questions = noticeTexts(m_chart->prompts, AnsweringPrompts::Kind::Question);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().contains(QStringLiteral("imprimante")), qPrintable(questions.first()));
    QCOMPARE(m_folder->read(QStringLiteral("vyl.pdf")).startsWith("%PDF-"), name == u"vyl.pdf");
    QCOMPARE(QImageReader(m_folder->filePath(QStringLiteral("vyl.png"))).format(),
             name == u"vyl.png" ? QByteArray("png") : QByteArray());
    QVERIFY(findControl(*m_window, QStringLiteral("Frame1"))->isVisible());
}

void TestPrintWindow::webLinkAndBack()
{
    QVERIFY(open());
    QVERIFY(m_window->sheet().link.isEmpty() && findControl(*m_window, QStringLiteral("Label1"))->isHidden());
    click(QStringLiteral("Command1"));
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("http://author.example")));
    QVERIFY(open());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(findControl(*m_window, QStringLiteral("Label1")), Qt::LeftButton);
    QCOMPARE(m_opened->urls.size(), 1);
    QCOMPARE(m_opened->urls.first().scheme(), QStringLiteral("http"));

    click(QStringLiteral("Command1"));
    QTRY_VERIFY(m_window.isNull());
}

void TestPrintWindow::quitterClosesIt()
{
    QVERIFY(open());
    QVERIFY(m_chart->click(QStringLiteral("Command5")));
    QTRY_VERIFY(m_window.isNull());
}

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"

// "vylora --sheet OUT [--chart FILE]": the sheet in the format OUT names.
#include "cli/SheetCommand.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

QString shippedChart()
{
    return QFINDTESTDATA("../../data/VYL2010.ini");
}

int sheet(const QString &out, const QString &chart, QString *err)
{
    QTextStream stream(err);
    return runSheetCommand(out, chart, QStringLiteral("http://127.0.0.1:8080/"), QString(), stream);
}

// The first page's size in points, from the PDF's MediaBox.
QSizeF pdfPageSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-"))
        return {};
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch m = mediaBox.match(QString::fromLatin1(bytes));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

} // namespace

class TestSheetCommand final : public QObject
{
    Q_OBJECT

private slots:
    void writesTheSheet_data();
    void writesTheSheet();
    void failsWithAReason_data();
    void failsWithAReason();
};

void TestSheetCommand::writesTheSheet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("bitmap") << "sheet.bmp" << QByteArray("bmp");
    QTest::newRow("picture") << "sheet.png" << QByteArray("png");
    QTest::newRow("extension in capitals") << "SHEET.PNG" << QByteArray("png");
    QTest::newRow("pdf") << "sheet.pdf" << QByteArray("pdf");
}

void TestSheetCommand::writesTheSheet()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);

    QTemporaryDir dir;
    const QString out = dir.filePath(name);
    QString err;
    QCOMPARE(sheet(out, shippedChart(), &err), 0);
    QCOMPARE(err, QString());

    if (format == "pdf") {
        const QSizeF page = pdfPageSize(out);
        QVERIFY2(page.width() > page.height(), "an A4 landscape page");
        QCOMPARE(qRound(page.width()), 842);
        return;
    }
    QImageReader reader(out);
    QCOMPARE(reader.format(), format);
    const QSize size = reader.size();
    QVERIFY(size.width() >= 923);
    QCOMPARE(size.width() % 923, 0);
    QCOMPARE(size, QSize(923, 683) * (size.width() / 923));
}

void TestSheetCommand::failsWithAReason_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("chart"); // empty: the shipped one
    QTest::addColumn<QString>("reason");

    QTest::newRow("unknown format") << "sheet.jpg" << QString() << "unknown format";
    QTest::newRow("no extension") << "sheet" << QString() << "unknown format";
    QTest::newRow("missing chart") << "sheet.png"
                                   << "nowhere/VYL2010.ini"
                                   << "no such file";
    QTest::newRow("folder that does not exist") << "missing/sheet.png" << QString() << "sheet.png";
    QTest::newRow("pdf into a folder that does not exist") << "missing/sheet.pdf" << QString() << "sheet.pdf";
}

void TestSheetCommand::failsWithAReason()
{
    QFETCH(QString, out);
    QFETCH(QString, chart);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QString err;
    QCOMPARE(sheet(dir.filePath(out), chart.isEmpty() ? shippedChart() : dir.filePath(chart), &err), 1);
    QVERIFY2(err.contains(reason), qPrintable(err));
    QVERIFY(!QFile::exists(dir.filePath(out)));
}

QTEST_MAIN(TestSheetCommand)
#include "tst_sheetcommand.moc"

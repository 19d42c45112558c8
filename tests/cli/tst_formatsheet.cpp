// "vylora --sheet OUT --chart FILE --paper a4|a3" for the charts of the
// 48-team World Cup and of the European Championship.
#include "cli/SheetCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// The page's size in points, from the PDF's only MediaBox.
QSize pdfPageSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QString text = QString::fromLatin1(file.readAll());
    if (text.count(QStringLiteral("/MediaBox")) != 1)
        return {};
    const QRegularExpressionMatch m = mediaBox.match(text);
    return QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
}

// The shipped chart copied into `dir` under its own name, without the
// lines of `section` when one is named.
QString copyOfChart(const QTemporaryDir &dir, const QString &name, const QString &section)
{
    QFile shipped(QFINDTESTDATA(QStringLiteral("../../data/") + name));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QStringList kept;
    bool skipping = false;
    for (const QString &line : QString::fromLatin1(shipped.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            skipping = line.trimmed() == u'[' + section + u']';
        if (!skipping)
            kept << line;
    }
    QFile copy(dir.filePath(name));
    if (!copy.open(QIODevice::WriteOnly))
        return {};
    copy.write(kept.join(u'\n').toLatin1());
    return copy.fileName();
}

} // namespace

class TestFormatSheet final : public QObject
{
    Q_OBJECT

private slots:
    void sheetOnPaper_data();
    void sheetOnPaper();
};

void TestFormatSheet::sheetOnPaper_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("cut"); // a section the copy lacks
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QSize>("page"); // empty: refused
    QTest::addColumn<QString>("reason");

    QTest::newRow("2026 on A4") << "VYL2026.ini" << QString() << "a4" << QSize(842, 595) << QString();
    QTest::newRow("2026 on A3") << "VYL2026.ini" << QString() << "A3" << QSize(1191, 842) << QString();
    QTest::newRow("Euro 2024 on A4") << "EURO2024.ini" << QString() << "a4" << QSize(842, 595) << QString();
    QTest::newRow("Euro 2024 on A3") << "EURO2024.ini" << QString() << "a3" << QSize(1191, 842) << QString();
    QTest::newRow("unknown paper") << "VYL2026.ini" << QString() << "a5" << QSize() << "\"a5\"";
    QTest::newRow("chart without a group") << "VYL2026.ini"
                                           << "EquipL"
                                           << "a4" << QSize() << "not a whole wc48";
}

void TestFormatSheet::sheetOnPaper()
{
    QFETCH(QString, chart);
    QFETCH(QString, cut);
    QFETCH(QString, paper);
    QFETCH(QSize, page);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("sheet.pdf"));
    QString err;
    QTextStream stream(&err);
    const int code = runSheetCommand(out, copyOfChart(dir, chart, cut), QStringLiteral("http://127.0.0.1/"),
                                     QString(), stream, paper);
    QVERIFY2(err.contains(reason), qPrintable(err));
    if (page.isEmpty()) {
        QCOMPARE(code, 1);
        QVERIFY(!QFile::exists(out));
        return;
    }
    QCOMPARE(code, 0);
    QCOMPARE(pdfPageSize(out), page);
}

QTEST_MAIN(TestFormatSheet)
#include "tst_formatsheet.moc"

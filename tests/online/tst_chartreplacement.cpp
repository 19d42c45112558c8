#include <QtTest>

#include "online/ChartReplacement.h"
#include "storage/IniDocument.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"

namespace {

const QByteArray userChart = wholeChart2010({{"ButA", 0, "3"}, {"ButA", 1, "1"}, {"EquipA", 1, "France"}});
const QByteArray published =
    wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "1"}, {"ButA", 2, "0"}, {"But8", 0, "2"}, {"CV", 0, "2.6"}});

} // namespace

// What the server sent replaces the chart file only when it is a chart,
// and the file it replaces stays at hand as the backup.
class TestChartReplacement final : public QObject
{
    Q_OBJECT

private slots:
    void onlyAChartReplacesTheFile_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("published chart") << published << true;
        QTest::newRow("chart with LF line ends and spaced names")
            << QByteArray(published).replace("\r\n", "\n").replace("[EquipB]", "[ equipb ]") << true;
        QTest::newRow("page quoting a section") << QByteArray("  <html>\n[ButA]\n0=1\n</html>") << false;
        QTest::newRow("INI of something else") << QByteArray("[Settings]\r\nColour=red\r\n") << false;
        QTest::newRow("binary") << QByteArray("GIF89a\x01\x00\x00[ButA]\n", 16) << false;
    }

    void onlyAChartReplacesTheFile()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, replaced);
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);

        const UpdateOutcome outcome = replaceChart(QStringLiteral("VYL2010"), body, {}, QStringLiteral("Mon pronostic"));

        QCOMPARE(outcome.ok(), replaced);
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), replaced ? body : userChart);
        QCOMPARE(QFile::exists(folder.filePath(QStringLiteral("VYL2010.bak"))), replaced);
    }

    // A coming tournament's chart takes a whole chart of its own format
    // and edition, and nothing else.
    void aComingTournamentTakesItsOwnChart_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("replaced");
        IniDocument euro(shippedChart(QStringLiteral("EURO2028.ini")));
        euro.setValue(QStringLiteral("ButF"), QStringLiteral("11"), QStringLiteral("2"));
        QTest::newRow("its own chart") << "EURO2028" << euro.toBytes() << true;
        QTest::newRow("another edition") << "EURO2028" << shippedChart(QStringLiteral("EURO2024.ini")) << false;
        QTest::newRow("another format") << "VYL2030" << euro.toBytes() << false;
        QTest::newRow("the 2010 chart") << "VYL2030" << published << false;
        QTest::newRow("a chart cut short") << "EURO2028" << euro.toBytes().chopped(200) << false;
    }

    void aComingTournamentTakesItsOwnChart()
    {
        QFETCH(QString, chart);
        QFETCH(QByteArray, body);
        QFETCH(bool, replaced);
        TemporaryProgramFolder folder;
        const QString file = chart + QStringLiteral(".ini");
        folder.write(file, shippedChart(file));

        const UpdateOutcome outcome = replaceChart(chart, body, {}, QStringLiteral("Mon pronostic"));

        QCOMPARE(outcome.ok(), replaced);
        QCOMPARE(folder.read(file) == body, replaced);
        if (replaced)
            QCOMPARE(outcome.playedAfter, 1);
    }

    void theBackupHoldsTheFileBeforeTheLastChange()
    {
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);

        UpdateOutcome outcome = replaceChart(QStringLiteral("VYL2010"), published, {}, QStringLiteral("Mon pronostic"));
        QVERIFY(outcome.backupKept);
        QCOMPARE(outcome.playedBefore, 2);
        QCOMPARE(outcome.playedAfter, 4);
        QCOMPARE(outcome.publishedVersion, QStringLiteral("2.6"));

        // The same file again: the user's own chart stays the backup.
        outcome = replaceChart(QStringLiteral("VYL2010"), published, {}, QStringLiteral("Mon pronostic"));
        QVERIFY(outcome.ok());
        QVERIFY(!outcome.backupKept);
        QCOMPARE(folder.read(QStringLiteral("VYL2010.bak")), userChart);
    }

    void aFirstDownloadHasNothingToKeep()
    {
        TemporaryProgramFolder folder;
        const UpdateOutcome outcome = replaceChart(QStringLiteral("VYL2010"), published, {}, QStringLiteral("Mon pronostic"));
        QVERIFY(outcome.ok());
        QVERIFY(!outcome.backupKept);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("VYL2010.bak"))));
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), published);
    }
};

QTEST_GUILESS_MAIN(TestChartReplacement)
#include "tst_chartreplacement.moc"

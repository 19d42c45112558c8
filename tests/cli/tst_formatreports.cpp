#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "cli/ChartReport.h"
#include "schedule/KickOffTime.h"

// The shipped charts of every format reproduce their real tournaments, and
// a file that is not a whole chart of the format it names is refused.
class TestFormatReports final : public QObject
{
    Q_OBJECT

private slots:
    void reproducesTheRealTournament_data();
    void reproducesTheRealTournament();
    void refusesWhatIsNotAWholeChart_data();
    void refusesWhatIsNotAWholeChart();
};

namespace {

int report(const QString &file, QByteArray &out, QByteArray &err)
{
    QTextStream o(&out);
    QTextStream e(&err);
    return runChartReport(file, true, tournamentZone(), QString(), o, e);
}

QString sides(const QJsonArray &teams, int match)
{
    return teams[2 * match].toString() + QStringLiteral(" v ") + teams[2 * match + 1].toString();
}

} // namespace

void TestFormatReports::reproducesTheRealTournament_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("bestThirds");
    QTest::addColumn<QString>("firstRound"); // a match of the first knock-out round
    QTest::addColumn<QString>("final");
    QTest::addColumn<QString>("champion");
    QTest::addColumn<double>("goals");

    QTest::newRow("Euro 2016") << "EURO2016"
                               << "BCEF"
                               << "Croatie v Portugal"
                               << "Portugal v France"
                               << "Portugal" << 108.0;
    QTest::newRow("Euro 2020") << "EURO2020"
                               << "ACDF"
                               << "Pays de Galles v Danemark"
                               << "Italie v Angleterre"
                               << "Italie" << 142.0;
    QTest::newRow("Euro 2024") << "EURO2024"
                               << "CDEF"
                               << "Allemagne v Danemark"
                               << "Espagne v Angleterre"
                               << "Espagne" << 117.0;
    QTest::newRow("World Cup 2026") << "VYL2026"
                                    << "BDEFIJKL"
                                    << "Allemagne v Paraguay"
                                    << "Espagne v Argentine"
                                    << "Espagne" << 308.0;
}

void TestFormatReports::reproducesTheRealTournament()
{
    QFETCH(QString, chart);
    QFETCH(QString, bestThirds);
    QFETCH(QString, firstRound);
    QFETCH(QString, final);
    QFETCH(QString, champion);
    QFETCH(double, goals);

    QByteArray out, err;
    QCOMPARE(report(QStringLiteral(VYLORA_DATA_DIR "/") + chart + QStringLiteral(".ini"), out, err), 0);
    const QJsonObject r = QJsonDocument::fromJson(out).object();
    QCOMPARE(r[QStringLiteral("bestThirds")].toString(), bestThirds);
    const QJsonArray first =
        r[r.contains(QStringLiteral("roundOf32")) ? QStringLiteral("roundOf32") : QStringLiteral("roundOf16")]
            .toArray();
    QStringList matches;
    for (int k = 0; k < first.size() / 2; ++k)
        matches << sides(first, k);
    QVERIFY2(matches.contains(firstRound), qPrintable(matches.join(u',')));
    QCOMPARE(sides(r[QStringLiteral("final")].toArray(), 0), final);
    QCOMPARE(r[QStringLiteral("podium")].toArray().first().toString(), champion);
    QCOMPARE(r[QStringLiteral("goalTotal")].toDouble(), goals);
}

void TestFormatReports::refusesWhatIsNotAWholeChart_data()
{
    QTest::addColumn<QByteArray>("from"); // a line of the 2024 chart ...
    QTest::addColumn<QByteArray>("to");   // ... replaced by this
    QTest::addColumn<QString>("said");

    QTest::newRow("unknown format") << QByteArray("format=euro24") << QByteArray("format=euro32")
                                    << "unknown format \"euro32\"";
    QTest::newRow("a group the format lacks")
        << QByteArray("[ButA]") << QByteArray("[ButG]\r\n0=1\r\n[ButA]") << "holds [ButG]";
    QTest::newRow("a round of another format")
        << QByteArray("[ButA]") << QByteArray("[But16]\r\n0=1\r\n[ButA]") << "holds [But16]";
    QTest::newRow("a key of another format")
        << QByteArray("[ButA]") << QByteArray("[ButA]\r\n12=1") << "holds [ButA] 12";
    QTest::newRow("a part missing") << QByteArray("[EquipF]") << QByteArray("[EquipZZ]") << "lacks [EquipF] 1";
}

void TestFormatReports::refusesWhatIsNotAWholeChart()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, said);

    QFile shipped(QStringLiteral(VYLORA_DATA_DIR "/EURO2024.ini"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QByteArray bytes = shipped.readAll();
    QVERIFY(bytes.contains(from));
    bytes.replace(bytes.indexOf(from), from.size(), to);
    QTemporaryDir dir;
    QFile chart(dir.filePath(QStringLiteral("EURO2024.ini")));
    QVERIFY(chart.open(QIODevice::WriteOnly) && chart.write(bytes) == bytes.size());
    chart.close();

    QByteArray out, err;
    QCOMPARE(report(chart.fileName(), out, err), 1);
    QVERIFY2(err.contains(said.toUtf8()), err.constData());
    QVERIFY(out.isEmpty());
}

QTEST_GUILESS_MAIN(TestFormatReports)
#include "tst_formatreports.moc"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "cli/ChartReport.h"
#include "schedule/KickOffTime.h"

using namespace Qt::StringLiterals;

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
    void scheduleOnTheUsersClock_data();
    void scheduleOnTheUsersClock();
    void statisticsOfTheRealTournament_data();
    void statisticsOfTheRealTournament();
};

namespace {

int report(const QString &file, QByteArray &out, QByteArray &err, const QTimeZone &zone = tournamentZone())
{
    QTextStream o(&out);
    QTextStream e(&err);
    return runChartReport(file, true, zone, QString(), o, e);
}

QJsonObject shippedReport(const QString &chart, const QTimeZone &zone)
{
    QByteArray out, err;
    report(QStringLiteral(VYLORA_DATA_DIR "/") + chart + QStringLiteral(".ini"), out, err, zone);
    return QJsonDocument::fromJson(out).object();
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

// A match found by its round and kick-off on the user's clock, the notes
// being on the chart's own ("fuseau").
void TestFormatReports::scheduleOnTheUsersClock_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("kickOff");
    QTest::addColumn<QString>("match");

    QTest::newRow("group L across midnight, UTC to Tokyo") << QByteArray("Asia/Tokyo") << "L"
                                                           << "2026-06-18T05:00:00+09:00"
                                                           << "Angleterre v Croatie";
    QTest::newRow("round of 32, match 73, UTC to Paris") << QByteArray("Europe/Paris") << "U"
                                                         << "2026-06-28T21:00:00+02:00"
                                                         << "Afrique du Sud v Canada";
}

void TestFormatReports::scheduleOnTheUsersClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, round);
    QFETCH(QString, kickOff);
    QFETCH(QString, match);

    const QJsonArray schedule = shippedReport(QStringLiteral("VYL2026"), QTimeZone(zone))[u"schedule"_s].toArray();
    QCOMPARE(schedule.size(), 104);
    QStringList found;
    for (const QJsonValue &e : schedule)
        if (e[u"round"_s].toString() == round && e[u"kickOff"_s].toString() == kickOff)
            found << e[u"home"_s].toString() + u" v "_s + e[u"away"_s].toString();
    QCOMPARE(found, QStringList{match});
}

// The statistics' ranking by the round reached (two thirds without a match
// for third place), and the best team of the goals list.
void TestFormatReports::statisticsOfTheRealTournament_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<int>("through");
    QTest::addColumn<QString>("lastThrough");
    QTest::addColumn<QString>("topScorer");

    QTest::newRow("Euro 2024") << "EURO2024"
                               << QStringList{u"Espagne 1"_s, u"Angleterre 2"_s, u"France 3"_s, u"Pays-Bas 3"_s,
                                              u"5 Allemagne 1/4"_s}
                               << 16 << "16 Danemark 1/8"
                               << "Espagne 15";
    QTest::newRow("World Cup 2026") << "VYL2026"
                                    << QStringList{u"Espagne 1"_s, u"Argentine 2"_s, u"Angleterre 3"_s,
                                                   u"France 4"_s}
                                    << 32 << "32 Cap-Vert 1/16"
                                    << "France 20";
}

void TestFormatReports::statisticsOfTheRealTournament()
{
    QFETCH(QString, chart);
    QFETCH(QStringList, top);
    QFETCH(int, through);
    QFETCH(QString, lastThrough);
    QFETCH(QString, topScorer);

    const QJsonObject r = shippedReport(chart, tournamentZone());
    QStringList lines;
    for (const QJsonValue &entry : r[u"ranking"_s].toArray())
        lines << entry[u"line"_s].toString();
    QCOMPARE(lines.mid(0, top.size()), top);
    QCOMPARE(lines.value(through - 1), lastThrough);
    const QJsonValue best = r[u"goals"_s].toArray().first();
    QCOMPARE(best[u"team"_s].toString() + u' ' + QString::number(best[u"goals"_s].toInt()), topScorer);
}

QTEST_GUILESS_MAIN(TestFormatReports)
#include "tst_formatreports.moc"

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

QJsonObject shippedReport(const QString &chart, const QTimeZone &zone = tournamentZone())
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

// A match of the schedule, found by its round and kick-off on the user's
// clock: the notes' own clock is the chart's "fuseau", 2010's without it.
void TestFormatReports::scheduleOnTheUsersClock_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("matches");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("kickOff");
    QTest::addColumn<QString>("match");

    QTest::newRow("2010, its own clock to Paris")
        << "VYL2010" << QByteArray("Europe/Paris") << 64 << "A" << "2010-06-11T16:00:00+02:00"
        << "Afrique du Sud v Mexique";
    QTest::newRow("2026 group I, UTC to New York")
        << "VYL2026" << QByteArray("America/New_York") << 104 << "I" << "2026-06-16T15:00:00-04:00"
        << "France v Sénégal";
    QTest::newRow("2026 group L across midnight, UTC to Tokyo")
        << "VYL2026" << QByteArray("Asia/Tokyo") << 104 << "L" << "2026-06-18T05:00:00+09:00"
        << "Angleterre v Croatie";
    QTest::newRow("2026 round of 32, match 73, UTC to Paris")
        << "VYL2026" << QByteArray("Europe/Paris") << 104 << "U" << "2026-06-28T21:00:00+02:00"
        << "Afrique du Sud v Canada";
    QTest::newRow("Euro 2024 has no notes") << "EURO2024" << QByteArray("Europe/Paris") << 0 << "" << "" << "";
}

void TestFormatReports::scheduleOnTheUsersClock()
{
    QFETCH(QString, chart);
    QFETCH(QByteArray, zone);
    QFETCH(int, matches);
    QFETCH(QString, round);
    QFETCH(QString, kickOff);
    QFETCH(QString, match);

    const QJsonArray schedule = shippedReport(chart, QTimeZone(zone))[QStringLiteral("schedule")].toArray();
    QCOMPARE(schedule.size(), matches);
    QStringList found;
    for (const QJsonValue &entry : schedule)
        if (entry[QStringLiteral("round")].toString() == round &&
            entry[QStringLiteral("kickOff")].toString() == kickOff)
            found << entry[QStringLiteral("home")].toString() + QStringLiteral(" v ") +
                         entry[QStringLiteral("away")].toString();
    QCOMPARE(found, matches == 0 ? QStringList() : QStringList{match});
}

// The statistics window's lists: the ranking by the round each team
// reached, the European Championship's two losing semi-finalists both
// third, and the goals of every team of the format.
void TestFormatReports::statisticsOfTheRealTournament_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<QString>("lastThrough"); // the line above the separator
    QTest::addColumn<QString>("topScorer");

    QTest::newRow("Euro 2024") << "EURO2024"
                               << QStringList{u"Espagne 1"_s, u"Angleterre 2"_s, u"France 3"_s, u"Pays-Bas 3"_s,
                                              u"5 Allemagne 1/4"_s, u"6 Portugal 1/4"_s}
                               << "16 Danemark 1/8"
                               << "Espagne 15";
    QTest::newRow("World Cup 2026") << "VYL2026"
                                    << QStringList{u"Espagne 1"_s, u"Argentine 2"_s, u"Angleterre 3"_s, u"France 4"_s}
                                    << "32 Cap-Vert 1/16"
                                    << "France 20";
}

void TestFormatReports::statisticsOfTheRealTournament()
{
    QFETCH(QString, chart);
    QFETCH(QStringList, top);
    QFETCH(QString, lastThrough);
    QFETCH(QString, topScorer);

    const QJsonObject r = shippedReport(chart);
    QStringList lines;
    for (const QJsonValue &entry : r[QStringLiteral("ranking")].toArray())
        lines << entry[QStringLiteral("line")].toString();
    QCOMPARE(lines.mid(0, top.size()), top);
    const int through = int(r[r.contains(QStringLiteral("roundOf32")) ? QStringLiteral("roundOf32")
                                                                       : QStringLiteral("roundOf16")]
                                .toArray()
                                .size());
    QCOMPARE(lines.value(through - 1), lastThrough);
    QCOMPARE(lines.size(), r[QStringLiteral("groups")].toArray().size() * 4);
    const QJsonObject best = r[QStringLiteral("goals")].toArray().first().toObject();
    QCOMPARE(best[QStringLiteral("team")].toString() + u' ' + QString::number(best[QStringLiteral("goals")].toInt()),
             topScorer);
}

QTEST_GUILESS_MAIN(TestFormatReports)
#include "tst_formatreports.moc"

#include <algorithm>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "cli/ChartReport.h"
#include "schedule/KickOffTime.h"
#include "storage/ProgramFolder.h"

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run report(const QString &file, bool json)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runChartReport(file, json, tournamentZone(), QString(), out, err);
    return run;
}

QJsonObject jsonReport(const QString &file)
{
    const Run run = report(file, true);
    if (run.status != 0)
        qWarning("report failed: %s", run.err.constData());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON: %s", qPrintable(error.errorString()));
    return doc.object();
}

QStringList texts(const QJsonValue &array)
{
    QStringList list;
    for (const QJsonValue &v : array.toArray())
        list << v.toString();
    return list;
}

QJsonObject group(const QJsonObject &report, int index)
{
    return report[QStringLiteral("groups")].toArray()[index].toObject();
}

QStringList teamsByPlace(const QJsonObject &group)
{
    QStringList teams;
    for (const QJsonValue &row : group[QStringLiteral("table")].toArray())
        teams << row[QStringLiteral("team")].toString();
    return teams;
}

QString shippedChart(const char *name = "VYL2010")
{
    return QFINDTESTDATA(QStringLiteral("../../data/%1.ini").arg(QLatin1String(name)));
}

// Every group but B: slot 1 wins all, slot 2 second, slot 3 third, 9 goals.
// Group B: all six goalless, slot 2 moved up by a draw of lots. Every
// knock-out match won by the first side; the semi-finals on penalties; the
// third-place match by the second.
QByteArray handWrittenChartFile()
{
    QByteArray file = "; written by hand\r\n";
    for (char g : QByteArray("ACDEFGH"))
        file += QByteArray("[But") + g +
                "]\r\n0=1\r\n1=0\r\n2=1\r\n3=0\r\n4=2\r\n5=0\r\n6=0\r\n7=1\r\n"
                "8=0\r\n9=3\r\n10=1\r\n11=0\r\n";
    file += "[ButB]\r\n0=0\r\n1=0\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=0\r\n9=0\r\n10=0\r\n11=0\r\n"
            "[TSB]\r\n2=1\r\n"
            "[EquipA]\r\n1=C\xF4te d'Ivoire\r\n2=Br\xE9sil\r\n";
    auto knockout = [&](const char *goals, const char *penalties, int sides, const char *first, const char *second,
                        const char *firstPen, const char *secondPen) {
        file += QByteArray("[") + goals + "]\r\n";
        for (int i = 0; i < sides; ++i)
            file += QByteArray::number(i) + '=' + (i % 2 == 0 ? first : second) + "\r\n";
        file += QByteArray("[") + penalties + "]\r\n";
        for (int i = 0; i < sides; ++i)
            file += QByteArray::number(i) + '=' + (i % 2 == 0 ? firstPen : secondPen) + "\r\n";
    };
    knockout("But8", "Pen8", 16, "1", "0", "-", "-");
    knockout("But4", "Pen4", 8, "2", "1", "-", "-");
    knockout("ButDEM", "PenDEM", 4, "0", "0", "5", "4");
    knockout("BUTPetFIN", "PenPetFIN", 2, "1", "2", "-", "-");
    knockout("BUTFIN", "PenFIN", 2, "3", "1", "-", "-");
    return file;
}

} // namespace

class TestChartReport final : public QObject
{
    Q_OBJECT

private slots:
    void shippedChartListsRealGroups_data();
    void shippedChartListsRealGroups();
    void shippedChartIsUnplayed();
    void pastTournamentEndsAsItReallyDid_data();
    void pastTournamentEndsAsItReallyDid();
    void handWrittenChart();
    void statisticsOfTheChart();
    void incompleteGroup();
    void placeReasonsAndNeeds();
    void readableText();
    void unreadableFileFails_data();
    void unreadableFileFails();
};

void TestChartReport::shippedChartListsRealGroups_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("teams");
    auto row = [](const char *name, int group, std::initializer_list<const char *> teams) {
        QStringList list;
        for (const char *team : teams)
            list << QString::fromUtf8(team);
        QTest::newRow(name) << group << list;
    };
    row("A", 0, {"Afrique du Sud", "Mexique", "Uruguay", "France"});
    row("B", 1, {"Argentine", "Nigeria", "Corée du Sud", "Grèce"});
    row("C", 2, {"Angleterre", "États-Unis", "Algérie", "Slovénie"});
    row("D", 3, {"Allemagne", "Australie", "Serbie", "Ghana"});
    row("E", 4, {"Pays-Bas", "Danemark", "Japon", "Cameroun"});
    row("F", 5, {"Italie", "Paraguay", "Nouvelle-Zélande", "Slovaquie"});
    row("G", 6, {"Brésil", "Corée du Nord", "Côte d'Ivoire", "Portugal"});
    row("H", 7, {"Espagne", "Suisse", "Honduras", "Chili"});
}

void TestChartReport::shippedChartListsRealGroups()
{
    QFETCH(int, group);
    QFETCH(QStringList, teams);
    const QJsonObject g = ::group(jsonReport(shippedChart()), group);
    QCOMPARE(g[QStringLiteral("group")].toString(), QString(QChar(u'A' + group)));
    QCOMPARE(teamsByPlace(g), teams);
}

void TestChartReport::shippedChartIsUnplayed()
{
    const QString folderBefore = ProgramFolder::path();
    const QJsonObject r = jsonReport(shippedChart());
    QCOMPARE(ProgramFolder::path(), folderBefore);
    QCOMPARE(r[QStringLiteral("chart")].toString(), QStringLiteral("VYL2010"));
    for (int g = 0; g < 8; ++g) {
        const QJsonObject group = ::group(r, g);
        QVERIFY(!group[QStringLiteral("complete")].toBool());
        QVERIFY(!group[QStringLiteral("tieNotice")].toBool());
        int slot = 0;
        for (const QJsonValue &rowValue : group[QStringLiteral("table")].toArray()) {
            const QJsonObject row = rowValue.toObject();
            QCOMPARE(row[QStringLiteral("place")].toInt(), ++slot);
            QCOMPARE(row[QStringLiteral("slot")].toInt(), slot);
            QVERIFY(row[QStringLiteral("played")].isNull());
            QCOMPARE(row[QStringLiteral("points")].toInt(-1), 0);
            QVERIFY(!row[QStringLiteral("qualified")].toBool());
        }
    }
    QCOMPARE(texts(r[QStringLiteral("roundOf16")]), QStringList(16, QStringLiteral("-")));
    QCOMPARE(texts(r[QStringLiteral("final")]), QStringList(2, QStringLiteral("-")));
    QCOMPARE(texts(r[QStringLiteral("podium")]), QStringList(4, QString()));
    QCOMPARE(r[QStringLiteral("goalTotal")].toDouble(-1), 0.0);
    QStringList kickOffs;
    for (const QJsonValue &entry : r[QStringLiteral("schedule")].toArray())
        kickOffs << entry[QStringLiteral("kickOff")].toString();
    QCOMPARE(kickOffs.size(), 64);
    QVERIFY(std::is_sorted(kickOffs.begin(), kickOffs.end()));
}

void TestChartReport::pastTournamentEndsAsItReallyDid_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("groupOrders"); // each group's slots by place
    QTest::addColumn<QString>("knockout");    // quarter-finals / semi-finals / podium
    QTest::addColumn<double>("goals");
    auto row = [](const char *name, const char *orders, double goals, const char *knockout) {
        QTest::newRow(name) << shippedChart(name) << orders << QString::fromUtf8(knockout) << goals;
    };
    // Each year goes through its own seeding and bracket tables.
    row("VYL1998", "4321 4132 4312 1243 4312 4231 4213 4321", 171,
        "France, Italie, Danemark, Brésil, Pays-Bas, Argentine, Allemagne, Croatie / "
        "France, Croatie, Pays-Bas, Brésil / France, Brésil, Croatie, Pays-Bas");
    row("VYL2002", "4231 1342 1243 1342 1342 4312 4132 1234", 161,
        "Angleterre, Brésil, Allemagne, États-Unis, Sénégal, Turquie, Espagne, Corée du Sud / "
        "Brésil, Turquie, Allemagne, Corée du Sud / Brésil, Allemagne, Turquie, Corée du Sud");
    row("VYL2006", "1432 1423 1423 4132 1243 1324 2134 1234", 147,
        "Allemagne, Argentine, Italie, Ukraine, Angleterre, Portugal, Brésil, France / "
        "Allemagne, Italie, Portugal, France / Italie, France, Allemagne, Portugal");
    row("VYL2014", "1324 2314 1234 2143 3124 1423 1423 1234", 171,
        "Brésil, Colombie, France, Allemagne, Pays-Bas, Costa Rica, Argentine, Belgique / "
        "Brésil, Allemagne, Pays-Bas, Argentine / Allemagne, Argentine, Pays-Bas, Brésil");
    // Group H: Japan (slot 4) level with Senegal, ahead on fair play by its draw mark.
    row("VYL2018", "4123 2143 1432 3142 1243 3241 1432 3421", 169,
        "Uruguay, France, Brésil, Belgique, Russie, Croatie, Suède, Angleterre / "
        "France, Belgique, Croatie, Angleterre / France, Croatie, Belgique, Angleterre");
    row("VYL2022", "4321 1324 1432 1243 4132 3412 1342 1432", 172,
        "Pays-Bas, Argentine, Croatie, Brésil, Angleterre, France, Maroc, Portugal / "
        "Argentine, Croatie, France, Maroc / Argentine, France, Croatie, Maroc");
}

void TestChartReport::pastTournamentEndsAsItReallyDid()
{
    QFETCH(QString, file);
    QFETCH(QString, groupOrders);
    QFETCH(QString, knockout);
    QFETCH(double, goals);
    const QJsonObject r = jsonReport(file);
    QStringList orders;
    for (const QJsonValue &g : r[QStringLiteral("groups")].toArray()) {
        QVERIFY2(!g[QStringLiteral("tieNotice")].toBool(), "a tie the real tournament settled has no mark");
        orders << QString();
        for (const QJsonValue &place : g[QStringLiteral("table")].toArray())
            orders.back() += QString::number(place[QStringLiteral("slot")].toInt());
    }
    QCOMPARE(orders.join(u' '), groupOrders);
    QStringList rounds;
    for (const char *round : {"quarterFinals", "semiFinals", "podium"})
        rounds << texts(r[QLatin1String(round)]).join(QStringLiteral(", "));
    QCOMPARE(rounds.join(QStringLiteral(" / ")), knockout);
    QCOMPARE(r[QStringLiteral("goalTotal")].toDouble(-1), goals);
}

void TestChartReport::handWrittenChart()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Coupe.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(handWrittenChartFile());
    file.close();

    const QJsonObject r = jsonReport(file.fileName());
    QCOMPARE(r[QStringLiteral("chart")].toString(), QStringLiteral("Coupe"));

    const QJsonObject a = group(r, 0);
    QVERIFY(a[QStringLiteral("complete")].toBool());
    QVERIFY(!a[QStringLiteral("tieNotice")].toBool());
    const QJsonArray aTable = a[QStringLiteral("table")].toArray();
    const QJsonObject aFirst = aTable[0].toObject();
    QCOMPARE(aFirst[QStringLiteral("team")].toString(), QString::fromUtf8("Côte d'Ivoire"));
    QCOMPARE(aFirst[QStringLiteral("played")].toInt(), 3);
    QCOMPARE(aFirst[QStringLiteral("points")].toInt(), 9);
    QCOMPARE(aFirst[QStringLiteral("goalsFor")].toDouble(), 6.0);
    QCOMPARE(aFirst[QStringLiteral("goalsAgainst")].toDouble(), 0.0);
    QCOMPARE(aFirst[QStringLiteral("difference")].toDouble(), 6.0);
    QVERIFY(aFirst[QStringLiteral("qualified")].toBool());
    const QJsonObject aThird = aTable[2].toObject();
    QCOMPARE(aThird[QStringLiteral("slot")].toInt(), 3);
    QCOMPARE(aThird[QStringLiteral("points")].toInt(), 3);
    QCOMPARE(aThird[QStringLiteral("difference")].toDouble(), -2.0);
    QVERIFY(!aThird[QStringLiteral("qualified")].toBool());

    const QJsonObject b = group(r, 1);
    QVERIFY(b[QStringLiteral("complete")].toBool());
    QVERIFY(b[QStringLiteral("tieNotice")].toBool());
    QCOMPARE(teamsByPlace(b), (QStringList{QStringLiteral("B2"), QStringLiteral("B4"), QStringLiteral("B3"),
                                           QStringLiteral("B1")}));

    const QString ivory = QString::fromUtf8("Côte d'Ivoire");
    const QString brazil = QString::fromUtf8("Brésil");
    QCOMPARE(
        texts(r[QStringLiteral("roundOf16")]),
        (QStringList{ivory, QStringLiteral("B4"), QStringLiteral("C1"), QStringLiteral("D2"), QStringLiteral("B2"),
                     brazil, QStringLiteral("D1"), QStringLiteral("C2"), QStringLiteral("E1"),
                     QStringLiteral("F2"), QStringLiteral("G1"), QStringLiteral("H2"), QStringLiteral("F1"),
                     QStringLiteral("E2"), QStringLiteral("H1"), QStringLiteral("G2")}));
    QCOMPARE(
        texts(r[QStringLiteral("quarterFinals")]),
        (QStringList{ivory, QStringLiteral("C1"), QStringLiteral("E1"), QStringLiteral("G1"), QStringLiteral("B2"),
                     QStringLiteral("D1"), QStringLiteral("F1"), QStringLiteral("H1")}));
    QCOMPARE(texts(r[QStringLiteral("semiFinals")]),
             (QStringList{ivory, QStringLiteral("E1"), QStringLiteral("B2"), QStringLiteral("F1")}));
    QCOMPARE(texts(r[QStringLiteral("final")]), (QStringList{ivory, QStringLiteral("B2")}));
    QCOMPARE(texts(r[QStringLiteral("thirdPlace")]), (QStringList{QStringLiteral("E1"), QStringLiteral("F1")}));
    QCOMPARE(texts(r[QStringLiteral("podium")]),
             (QStringList{ivory, QStringLiteral("B2"), QStringLiteral("F1"), QStringLiteral("E1")}));
    QCOMPARE(r[QStringLiteral("goalTotal")].toDouble(), 90.0);
}

// The ranking and the goals as the statistics window lists them.
void TestChartReport::statisticsOfTheChart()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Coupe.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(handWrittenChartFile());
    file.close();

    const QJsonObject r = jsonReport(file.fileName());
    const QJsonArray ranking = r[QStringLiteral("ranking")].toArray();
    QCOMPARE(ranking.size(), 32);
    auto rankingEntry = [&ranking](int i) {
        const QJsonObject e = ranking[i].toObject();
        return QStringList{QString::number(e[QStringLiteral("position")].toInt()),
                           e[QStringLiteral("team")].toString(), e[QStringLiteral("stage")].toString(),
                           e[QStringLiteral("line")].toString()};
    };
    const QString ivory = QString::fromUtf8("Côte d'Ivoire");
    QCOMPARE(rankingEntry(0),
             (QStringList{QStringLiteral("1"), ivory, QStringLiteral("champion"), ivory + QStringLiteral(" 1")}));
    QCOMPARE(rankingEntry(3), (QStringList{QStringLiteral("4"), QStringLiteral("E1"), QStringLiteral("fourth"),
                                           QStringLiteral("E1 4")}));
    QCOMPARE(rankingEntry(4)[2], QStringLiteral("quarterFinal"));
    QCOMPARE(rankingEntry(8)[2], QStringLiteral("roundOf16"));
    QCOMPARE(rankingEntry(31)[2], QStringLiteral("group"));

    const QJsonArray goals = r[QStringLiteral("goals")].toArray();
    QCOMPARE(goals.size(), 32);
    QCOMPARE(goals[0].toObject(), (QJsonObject{{QStringLiteral("team"), ivory}, {QStringLiteral("goals"), 12}}));
    QCOMPARE(goals[1].toObject(),
             (QJsonObject{{QStringLiteral("team"), QStringLiteral("F1")}, {QStringLiteral("goals"), 11}}));

    const QString text = QString::fromUtf8(report(file.fileName(), false).out);
    QVERIFY(text.contains(QStringLiteral("\nRanking\n  ") + ivory + QStringLiteral(" 1\n")));
    QVERIFY(text.contains(QStringLiteral("\nGoals by team\n  ") + ivory));
}

// Only slots 3 and 4 of group H have met: the group is not complete, the
// two others have played nothing, and nobody goes through yet.
void TestChartReport::incompleteGroup()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Partiel.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[ButH]\r\n2=1\r\n3=0\r\n");
    file.close();

    const QJsonObject r = jsonReport(file.fileName());
    const QJsonObject h = group(r, 7);
    QVERIFY(!h[QStringLiteral("complete")].toBool());
    QCOMPARE(teamsByPlace(h), (QStringList{QStringLiteral("H3"), QStringLiteral("H2"), QStringLiteral("H1"),
                                           QStringLiteral("H4")}));
    const QJsonArray table = h[QStringLiteral("table")].toArray();
    QCOMPARE(table[0].toObject()[QStringLiteral("played")].toInt(), 1);
    QCOMPARE(table[0].toObject()[QStringLiteral("points")].toInt(), 3);
    QVERIFY(table[1].toObject()[QStringLiteral("played")].isNull());
    QCOMPARE(table[3].toObject()[QStringLiteral("difference")].toDouble(), -1.0);
    for (const QJsonValue &row : table)
        QVERIFY(!row[QStringLiteral("qualified")].toBool());
    QCOMPARE(texts(r[QStringLiteral("roundOf16")]), QStringList(16, QStringLiteral("-")));
    QCOMPARE(r[QStringLiteral("goalTotal")].toDouble(), 1.0);
}

// Group A of 2010 before its last matchday, beside a complete group B.
void TestChartReport::placeReasonsAndNeeds()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Veille.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[EquipA]\r\n1=Afrique du Sud\r\n2=Mexique\r\n3=Uruguay\r\n4=France\r\n"
               "[ButA]\r\n0=1\r\n1=1\r\n2=0\r\n3=0\r\n4=0\r\n5=3\r\n6=0\r\n7=2\r\n"
               "[ButB]\r\n0=1\r\n1=0\r\n2=1\r\n3=0\r\n4=1\r\n5=0\r\n6=0\r\n7=1\r\n8=0\r\n9=1\r\n"
               "10=1\r\n11=0\r\n");
    file.close();

    const QJsonObject r = jsonReport(file.fileName());
    const QJsonObject a = group(r, 0);
    QStringList decidedBy;
    for (const QJsonValue &row : a[QStringLiteral("table")].toArray())
        decidedBy << row[QStringLiteral("decidedBy")].toString(QStringLiteral("null"));
    QCOMPARE(decidedBy, (QStringList{QStringLiteral("goalDifference"), QStringLiteral("points"),
                                     QStringLiteral("goalDifference"), QStringLiteral("null")}));

    QStringList needs;
    for (const QJsonValue &value : a[QStringLiteral("needs")].toArray()) {
        const QJsonObject team = value.toObject();
        QStringList fields{team[QStringLiteral("team")].toString(), team[QStringLiteral("status")].toString()};
        for (const char *result : {"win", "draw", "loss"})
            if (team.contains(QLatin1String(result)))
                fields << team[QLatin1String(result)].toString();
        needs << fields.join(u' ');
    }
    QCOMPARE(needs, (QStringList{QStringLiteral("Uruguay open through through depends"),
                                 QStringLiteral("Mexique open through through depends"),
                                 QStringLiteral("France open depends out out"),
                                 QStringLiteral("Afrique du Sud open depends out out")}));
    QCOMPARE(group(r, 1)[QStringLiteral("needs")].toArray(), QJsonArray());

    const QString text = QString::fromUtf8(report(file.fileName(), false).out);
    QVERIFY(text.contains(QStringLiteral("Decided by")));
    QVERIFY(
        text.contains(QRegularExpression(QStringLiteral("France +open +win: depends +draw: out +loss: out\n"))));
}

void TestChartReport::readableText()
{
    const Run run = report(shippedChart(), false);
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QString text = QString::fromUtf8(run.out);
    QVERIFY(text.startsWith(QStringLiteral("Chart VYL2010\n")));
    QVERIFY(text.contains(QStringLiteral("Group H (complete: no, tie notice: no)")));
    QVERIFY(text.contains(QString::fromUtf8("Afrique du Sud")));
    QVERIFY(text.contains(QString::fromUtf8("Côte d'Ivoire")));
    QVERIFY(text.contains(QStringLiteral("Goal total: 0")));
    QVERIFY(!text.trimmed().startsWith(u'{'));
}

void TestChartReport::unreadableFileFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("reason");
    const QByteArray chart = "[EquipA]\r\n1=X\r\n";
    QTest::newRow("missing file") << QStringLiteral("absent.ini") << chart << QByteArray("no such file");
    QTest::newRow("folder") << QStringLiteral("folder.ini") << chart << QByteArray("cannot be read");
    QTest::newRow("not an ini name") << QStringLiteral("chart.txt") << chart << QByteArray("not a chart file");
    QTest::newRow("unreadable file") << QStringLiteral("locked.ini") << chart << QByteArray("cannot be read");
    QTest::newRow("empty file") << QStringLiteral("empty.ini") << QByteArray() << QByteArray("not a chart file");
    QTest::newRow("random bytes") << QStringLiteral("noise.ini") << QByteArray("\x8f\x01Zq=\xff[\n\x00]x")
                                  << QByteArray("not a chart file");
    QTest::newRow("other sections only")
        << QStringLiteral("other.ini") << QByteArray("[Fruit]\r\n1=pear\r\n") << QByteArray("not a chart file");
    QTest::newRow("larger than any chart")
        << QStringLiteral("huge.ini") << chart + QByteArray(1 << 20, '\n') << QByteArray("larger than any chart");
}

void TestChartReport::unreadableFileFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (name == u"folder.ini") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (name != u"absent.ini") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    if (name == u"locked.ini") {
        QFile::setPermissions(path, QFile::WriteOwner);
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads unreadable files");
    }

    const Run run = report(path, true);
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(reason), run.err.constData());
    QVERIFY(run.err.contains(path.toUtf8()));
}

QTEST_GUILESS_MAIN(TestChartReport)
#include "tst_chartreport.moc"

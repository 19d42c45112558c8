#include <map>
#include <optional>
#include <set>
#include <tuple>

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/GroupFixtures.h"
#include "tournament/Tournament.h"

namespace {

QByteArray shippedBytes()
{
    QFile file(QFINDTESTDATA("../../data/VYL2010.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Note
{
    QString stadium;
    QString city;
    QString broadcaster;
    int day = 0;
    int month = 0;
    QString kickOff;
};

const QRegularExpression notePattern(
    QStringLiteral("^(.+) \\((.+)\\) (TF1|C\\+) (\\d\\d)/(\\d\\d)/10 (13:30|16:00|20:30)$"));

std::optional<Note> parseNote(const QString &text)
{
    const QRegularExpressionMatch m = notePattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return Note{m.captured(1), m.captured(2), m.captured(3), m.captured(4).toInt(), m.captured(5).toInt(),
                m.captured(6)};
}

// The stadium fragments the match panel looks for, and the city of each.
const std::map<QString, QString> cityOfStadium{
    {QStringLiteral("Bafokeng"), QStringLiteral("Rustenburg")},
    {QStringLiteral("Durban"), QStringLiteral("Durban")},
    {QStringLiteral("Ellis"), QStringLiteral("Johannesburg")},
    {QStringLiteral("free"), QStringLiteral("Bloemfontein")},
    {QStringLiteral("Green"), QStringLiteral("Le Cap")},
    {QStringLiteral("Loftus"), QStringLiteral("Pretoria")},
    {QStringLiteral("Mandela"), QStringLiteral("Port Elizabeth")},
    {QStringLiteral("Mbombela"), QStringLiteral("Nelspruit")},
    {QStringLiteral("Mokaba"), QStringLiteral("Polokwane")},
    {QStringLiteral("Soccer"), QStringLiteral("Johannesburg")},
};

QStringList fragmentsIn(const QString &note)
{
    QStringList found;
    for (const auto &[fragment, city] : cityOfStadium)
        if (note.contains(fragment))
            found << fragment;
    return found;
}

std::vector<int> matchKeys()
{
    std::vector<int> keys;
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i <= 10; i += 2)
            keys.push_back(12 * g + i);
    for (int i = 0; i <= 14; i += 2)
        keys.push_back(100 + i);
    for (int i = 0; i <= 6; i += 2)
        keys.push_back(200 + i);
    for (int key : {300, 302, 400, 500})
        keys.push_back(key);
    return keys;
}

} // namespace

class TestShippedChart final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void isWhatSavingWouldWrite();
    void holdsNoResultsYet();
    void everyMatchHasNote();
    void notesFollowRealSchedule();
    void realPairings_data();
    void realPairings();
    void knockoutNotes_data();
    void knockoutNotes();

private:
    IniDocument m_chart;
    Tournament m_loaded;
};

void TestShippedChart::initTestCase()
{
    const QByteArray bytes = shippedBytes();
    QVERIFY(!bytes.isEmpty());
    QVERIFY2(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"), "CRLF line ends only");
    m_chart = IniDocument(bytes);
    TemporaryProgramFolder folder;
    folder.write(QStringLiteral("VYL2010.ini"), bytes);
    QVERIFY(LoadChart(m_loaded, QStringLiteral("VYL2010"), 0));
}

// Every key that a save writes is in the file already, in save order: the
// user's first save changes values only.
void TestShippedChart::isWhatSavingWouldWrite()
{
    TemporaryProgramFolder folder;
    folder.write(QStringLiteral("VYL2010.ini"), shippedBytes());
    Tournament t;
    QVERIFY(LoadChart(t, QStringLiteral("VYL2010"), 0));
    QVERIFY(SaveChart(t));
    QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), shippedBytes());
}

void TestShippedChart::holdsNoResultsYet()
{
    for (GroupId g : allGroups) {
        for (int i = 0; i <= 11; ++i)
            QCOMPARE(m_loaded.group(g).score->text(i), QStringLiteral("-"));
        for (int slot = 1; slot <= 4; ++slot) {
            QVERIFY(m_loaded.group(g).team->text(slot) != QString(groupLetter(g)) + QString::number(slot));
            QCOMPARE((*m_loaded.group(g).team)[slot].tag, QString());
        }
    }
    for (Round r : allRounds)
        for (int i = 0; i < m_loaded.round(r).sides; ++i) {
            QCOMPARE(m_loaded.round(r).goals->text(i), QStringLiteral("-"));
            QCOMPARE(m_loaded.round(r).penalties->text(i), QStringLiteral("-"));
        }
    QVERIFY(!m_chart.value(u"CV", u"0"));
}

void TestShippedChart::everyMatchHasNote()
{
    const std::vector<int> keys = matchKeys();
    QCOMPARE(keys.size(), std::size_t(64));
    for (int key : keys) {
        const QString note = m_chart.value(u"Match", QString::number(key)).value_or(QString());
        QVERIFY2(parseNote(note), qPrintable(QString::number(key) + u' ' + note));
        const QStringList fragments = fragmentsIn(note);
        QVERIFY2(fragments.size() == 1, qPrintable(note));
        QCOMPARE(parseNote(note)->city, cityOfStadium.at(fragments.front()));
    }
}

void TestShippedChart::notesFollowRealSchedule()
{
    std::map<std::pair<int, int>, int> matchesOnDay;
    std::set<std::tuple<int, int, QString>> venueDays;
    std::map<std::tuple<int, int, QString>, std::set<int>> groupsAtKickOff;
    for (int key : matchKeys()) {
        const Note n = *parseNote(m_chart.value(u"Match", QString::number(key)).value_or(QString()));
        ++matchesOnDay[{n.month, n.day}];
        QVERIFY2(venueDays.insert({n.month, n.day, n.stadium}).second, qPrintable(n.stadium));
        if (key < 100) {
            QCOMPARE(n.month, 6);
            QVERIFY(n.day >= 11 && n.day <= 25);
            groupsAtKickOff[{n.month, n.day, n.kickOff}].insert(key / 12);
        }
    }
    // 11 June: two matches; then three a day, and from 22 June the last two
    // matches of a group kick off together.
    QCOMPARE(matchesOnDay[std::make_pair(6, 11)], 2);
    for (int day = 12; day <= 21; ++day)
        QCOMPARE(matchesOnDay[std::make_pair(6, day)], 3);
    for (int day = 22; day <= 25; ++day)
        QCOMPARE(matchesOnDay[std::make_pair(6, day)], 4);
    for (const auto &[when, groups] : groupsAtKickOff)
        QCOMPARE(groups.size(), std::size_t(1));

    // France's matches and the final on TF1.
    for (int m : {1, 3, 4})
        QCOMPARE(parseNote(*m_chart.value(u"Match", QString::number(2 * m)))->broadcaster, QStringLiteral("TF1"));
    QCOMPARE(parseNote(*m_chart.value(u"Match", u"500"))->broadcaster, QStringLiteral("TF1"));
}

void TestShippedChart::realPairings_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("note");
    auto row = [](const char *name, int group, const char *home, const char *away, const char *note) {
        QTest::newRow(name) << group << QString::fromUtf8(home) << QString::fromUtf8(away) << QString::fromUtf8(note);
    };
    row("opening match", 0, "Afrique du Sud", "Mexique", "Soccer City (Johannesburg) TF1 11/06/10 16:00");
    row("Uruguay - France", 0, "Uruguay", "France", "Green Point (Le Cap) TF1 11/06/10 20:30");
    row("France - Mexique", 0, "France", "Mexique", "Peter Mokaba (Polokwane) TF1 17/06/10 20:30");
    row("France - Afrique du Sud", 0, "France", "Afrique du Sud", "Stade free State (Bloemfontein) TF1 22/06/10 16:00");
    row("Argentine - Nigeria", 1, "Argentine", "Nigeria", "Ellis Park (Johannesburg) C+ 12/06/10 16:00");
    row("Angleterre - États-Unis", 2, "Angleterre", "États-Unis", "Royal Bafokeng (Rustenburg) TF1 12/06/10 20:30");
    row("Ghana - Allemagne", 3, "Ghana", "Allemagne", "Soccer City (Johannesburg) TF1 23/06/10 20:30");
    row("Pays-Bas - Danemark", 4, "Pays-Bas", "Danemark", "Soccer City (Johannesburg) C+ 14/06/10 13:30");
    row("Slovaquie - Italie", 5, "Slovaquie", "Italie", "Ellis Park (Johannesburg) TF1 24/06/10 16:00");
    row("Brésil - Côte d'Ivoire", 6, "Brésil", "Côte d'Ivoire", "Soccer City (Johannesburg) TF1 20/06/10 20:30");
    row("Honduras - Chili", 7, "Honduras", "Chili", "Mbombela (Nelspruit) C+ 16/06/10 13:30");
    row("Espagne - Suisse", 7, "Espagne", "Suisse", "Stade de Durban (Durban) C+ 16/06/10 16:00");
}

// The slot order of each group makes the fixture table give the real
// pairings, and each note belongs to its pairing.
void TestShippedChart::realPairings()
{
    QFETCH(int, group);
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(QString, note);
    const CellFamily &teams = *m_loaded.group(allGroups[std::size_t(group)]).team;
    int found = -1;
    for (int m = 0; m < 6; ++m)
        if (teams.text(GroupFixtures[std::size_t(m)].home) == home && teams.text(GroupFixtures[std::size_t(m)].away) == away)
            found = m;
    QVERIFY2(found >= 0, "no such pairing in the fixture table");
    QCOMPARE(m_chart.value(u"Match", QString::number(12 * group + 2 * found)).value_or(QString()), note);
}

void TestShippedChart::knockoutNotes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("note");
    auto row = [](const char *name, int key, const char *note) { QTest::newRow(name) << key << QString::fromUtf8(note); };
    row("1A v 2B", 100, "Nelson Mandela Bay (Port Elizabeth) C+ 26/06/10 16:00");
    row("1C v 2D", 102, "Royal Bafokeng (Rustenburg) TF1 26/06/10 20:30");
    row("1B v 2A", 104, "Soccer City (Johannesburg) TF1 27/06/10 20:30");
    row("1D v 2C", 106, "Stade free State (Bloemfontein) C+ 27/06/10 16:00");
    row("1E v 2F", 108, "Stade de Durban (Durban) C+ 28/06/10 16:00");
    row("1G v 2H", 110, "Ellis Park (Johannesburg) TF1 28/06/10 20:30");
    row("1F v 2E", 112, "Loftus Versfeld (Pretoria) C+ 29/06/10 16:00");
    row("1H v 2G", 114, "Green Point (Le Cap) TF1 29/06/10 20:30");
    row("quarter-final 1A/2B v 1C/2D", 200, "Soccer City (Johannesburg) TF1 02/07/10 20:30");
    row("quarter-final 1E/2F v 1G/2H", 202, "Nelson Mandela Bay (Port Elizabeth) C+ 02/07/10 16:00");
    row("quarter-final 1B/2A v 1D/2C", 204, "Green Point (Le Cap) C+ 03/07/10 16:00");
    row("quarter-final 1F/2E v 1H/2G", 206, "Ellis Park (Johannesburg) TF1 03/07/10 20:30");
    row("first semi-final", 300, "Green Point (Le Cap) TF1 06/07/10 20:30");
    row("second semi-final", 302, "Stade de Durban (Durban) TF1 07/07/10 20:30");
    row("third place", 400, "Nelson Mandela Bay (Port Elizabeth) C+ 10/07/10 20:30");
    row("final", 500, "Soccer City (Johannesburg) TF1 11/07/10 20:30");
}

void TestShippedChart::knockoutNotes()
{
    QFETCH(int, key);
    QFETCH(QString, note);
    QCOMPARE(m_chart.value(u"Match", QString::number(key)).value_or(QString()), note);
}

QTEST_GUILESS_MAIN(TestShippedChart)
#include "tst_shippedchart.moc"

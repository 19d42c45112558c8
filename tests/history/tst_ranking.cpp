// The final ranking of the statistics window, read from the chart's cells.
#include "history/Ranking.h"
#include "support/FillGroups.h"
#include "support/Results2010.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Chart { Empty, GroupsOnly, Complete, PointBeforeGoals, EqualRecords };

// Group A of the 2010 draw where the team with fewer points won one match
// by a hundred goals.
constexpr const char *hundredGoalWin = "100:0 1:1 0:1 1:0 1:0 0:1";

void prepare(Tournament &t, Chart chart)
{
    t.setReady(true);
    RefreshAll(t);
    if (chart == Chart::Empty)
        return;
    if (chart == Chart::EqualRecords) {
        // No match played: every team has the same record.
        const QStringList names{u"Chile"_s, u"cameroon"_s, u"Croatia"_s, u"Côte d'Ivoire"_s};
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*t.group(GroupId::A).team, slot, names[slot - 1]);
        return;
    }
    nameTeams2010(t);
    if (chart == Chart::Complete) {
        enterResults2010(t);
        return;
    }
    for (GroupId g : allGroups)
        fillGroup(t, g, groupScores(groups2010[std::size_t(groupIndex(g))].scores));
    if (chart == Chart::PointBeforeGoals)
        fillGroup(t, GroupId::A, groupScores(hundredGoalWin));
}

} // namespace

Q_DECLARE_METATYPE(Chart)

class TestRanking final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void listsEveryTeamWithItsStage_data()
    {
        QTest::addColumn<Chart>("chart");
        QTest::addColumn<int>("firstLine"); // of the list, 0-based, separator included
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("complete: podium without positions")
            << Chart::Complete << 0
            << QStringList{u"Spain 1"_s, u"Netherlands 2"_s, u"Germany 3"_s, u"Uruguay 4"_s};
        QTest::newRow("complete: quarter-finalists by group record")
            << Chart::Complete << 4
            << QStringList{u"5 Argentina 1/4"_s, u"6 Brazil 1/4"_s, u"7 Paraguay 1/4"_s, u"8 Ghana 1/4"_s};
        QTest::newRow("complete: round of 16 by points, then difference, then goals")
            << Chart::Complete << 8 << QStringList{u"9 Japan 1/8"_s,           u"10 Chile 1/8"_s,
                                                   u"11 Portugal 1/8"_s,       u"12 USA 1/8"_s,
                                                   u"13 England 1/8"_s,        u"14 Mexico 1/8"_s,
                                                   u"15 Korea Republic 1/8"_s, u"16 Slovakia 1/8"_s,
                                                   QString(45, u'-'),          u"17 Côte d'Ivoire 1er tour"_s};
        QTest::newRow("complete: the last team")
            << Chart::Complete << 32 << QStringList{u"32 Korea DPR 1er tour"_s};
        QTest::newRow("group stage only: the seeded teams in the round of 16")
            << Chart::GroupsOnly << 0
            << QStringList{u"1 Argentina 1/8"_s, u"2 Netherlands 1/8"_s, u"3 Uruguay 1/8"_s, u"4 Brazil 1/8"_s};
        QTest::newRow("group stage only: separator after the sixteenth")
            << Chart::GroupsOnly << 15
            << QStringList{u"16 Slovakia 1/8"_s, QString(45, u'-'), u"17 Côte d'Ivoire 1er tour"_s};
        QTest::newRow("empty chart: all in the group stage, reverse alphabetical")
            << Chart::Empty << 0 << QStringList{u"1 H4 1er tour"_s, u"2 H3 1er tour"_s, u"3 H2 1er tour"_s};
        QTest::newRow("empty chart: separator after the sixteenth")
            << Chart::Empty << 15 << QStringList{u"16 E1 1er tour"_s, QString(45, u'-'), u"17 D4 1er tour"_s};
        // South Africa's 100-0 win and three points would have outweighed
        // four points in the group value.
        QTest::newRow("a point outweighs a hundred goals")
            << Chart::PointBeforeGoals << 17
            << QStringList{u"17 Côte d'Ivoire 1er tour"_s, u"18 Slovenia 1er tour"_s, u"19 Switzerland 1er tour"_s,
                           u"20 Australia 1er tour"_s, u"21 South Africa 1er tour"_s};
        QTest::newRow("equal records in reverse alphabetical order, accents and case aside")
            << Chart::EqualRecords << 20
            << QStringList{u"20 D1 1er tour"_s,    u"21 Croatia 1er tour"_s,  u"22 Côte d'Ivoire 1er tour"_s,
                           u"23 Chile 1er tour"_s, u"24 cameroon 1er tour"_s, u"25 C4 1er tour"_s};
    }

    void listsEveryTeamWithItsStage()
    {
        QFETCH(Chart, chart);
        QFETCH(int, firstLine);
        QFETCH(QStringList, expected);
        Tournament t;
        prepare(t, chart);
        const QStringList lines = rankingLines(ComputeRanking(t));
        QCOMPARE(lines.size(), 33);
        QCOMPARE(lines.mid(firstLine, expected.size()), expected);
    }

    void theGroupStageTextFollowsTheLanguage()
    {
        Tournament t;
        t.messages().set(14, QStringLiteral("group stage"));
        prepare(t, Chart::Empty);
        QCOMPARE(ComputeRanking(t).front().line, QStringLiteral("1 H4 group stage"));
    }
};

QTEST_GUILESS_MAIN(TestRanking)
#include "tst_ranking.moc"

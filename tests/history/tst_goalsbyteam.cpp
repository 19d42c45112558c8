// Goals per team and their total, as the statistics window lists them.
#include "history/GoalsByTeam.h"
#include "support/FillGroups.h"
#include "support/Results2010.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList listed(const GoalsByTeam &goals, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << goalsLine(goals.teams[std::size_t(i)]);
    return lines;
}

} // namespace

class TestGoalsByTeam final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void countsGroupAndKnockoutGoalsButNoPenalties()
    {
        Tournament t;
        t.setReady(true);
        RefreshAll(t);
        nameTeams2010(t);
        enterResults2010(t);
        TeamList teams;
        ChargeInfo(t, teams);
        const GoalsByTeam goals = goalsByTeam(t, teams);
        // Paraguay and Japan drew 0-0 and went to penalties: 5-3 counts nothing.
        QCOMPARE(listed(goals, 4), (QStringList{u" Germany (16)"_s, u" Netherlands (12)"_s, u" Uruguay (11)"_s,
                                                u" Argentina (10)"_s}));
        QCOMPARE(goals.teams.size(), std::size_t(32));
        QCOMPARE(goals.total, 145.0);
    }

    void ordersEqualGoalsInReverseAlphabeticalOrder_data()
    {
        QTest::addColumn<QStringList>("names"); // slots 1 to 4 of group A
        QTest::addColumn<QStringList>("expected");
        // Slot 1 wins every match 1-0, slot 2 scores once, slots 3 and 4 never.
        QTest::newRow("plain names") << QStringList{u"Mexique"_s, u"Uruguay"_s, u"France"_s, u"Chine"_s}
                                     << QStringList{u" Mexique (3)"_s, u" Uruguay (1)"_s, u" France (0)"_s,
                                                    u" Chine (0)"_s};
        QTest::newRow("accents aside") << QStringList{u"Mexique"_s, u"Uruguay"_s, u"Côte d'Ivoire"_s, u"Croatie"_s}
                                       << QStringList{u" Mexique (3)"_s, u" Uruguay (1)"_s, u" Croatie (0)"_s,
                                                      u" Côte d'Ivoire (0)"_s};
        QTest::newRow("case aside") << QStringList{u"Mexique"_s, u"Uruguay"_s, u"cameroun"_s, u"Chine"_s}
                                    << QStringList{u" Mexique (3)"_s, u" Uruguay (1)"_s, u" Chine (0)"_s,
                                                   u" cameroun (0)"_s};
    }

    void ordersEqualGoalsInReverseAlphabeticalOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        Tournament t;
        t.setReady(true);
        RefreshAll(t);
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*t.group(GroupId::A).team, slot, names[slot - 1]);
        fillGroup(t, GroupId::A, groupScores("1:0 0:0 1:0 0:1 0:1 0:0"));
        TeamList teams;
        ChargeInfo(t, teams);
        const GoalsByTeam goals = goalsByTeam(t, teams);
        QStringList groupA;
        for (const TeamGoals &g : goals.teams)
            if (names.contains(g.team))
                groupA << goalsLine(g);
        QCOMPARE(groupA, expected);
        QCOMPARE(goals.total, 4.0);
    }
};

QTEST_GUILESS_MAIN(TestGoalsByTeam)
#include "tst_goalsbyteam.moc"

#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "tournament/GroupNeeds.h"
#include "tournament/Tournament.h"

namespace {

// "qualified", "eliminated", "open", or "open" followed by the verdicts
// of a win, a draw and a loss in the team's next match; "depends*" when
// only goals can settle it.
QString described(const TeamNeeds &team)
{
    QString text = statusName(team.status);
    if (!team.nextMatch)
        return text;
    for (std::size_t r = 0; r < 3; ++r) {
        text += u' ' + verdictName((*team.nextMatch)[r]);
        if (team.onlyGoalsDecide[r])
            text += u'*';
    }
    return text;
}

} // namespace

class TestGroupNeeds final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void needsOfATeam_data();
    void needsOfATeam();
    void completeGroupNeedsNothing();
};

void TestGroupNeeds::needsOfATeam_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("otherMatchesLeft");

    // Slot 1 won, slots 3 and 4 drew: six points after a win cannot be
    // caught by two teams.
    const QStringList afterOne = groupScores("1:0 2:2 -:- -:- -:- -:-");
    QTest::newRow("after one matchday, the winner") << afterOne << 1 << "open through depends depends" << 3;
    // Losing again leaves three points at most, and slot 1 or slot 3 gets
    // past that whatever happens.
    QTest::newRow("after one matchday, the loser") << afterOne << 2 << "open depends depends out" << 3;

    // Slot 1 has six points, nobody else can reach more than five.
    const QStringList sixPoints = groupScores("1:0 0:0 1:0 0:0 -:- -:-");
    QTest::newRow("through whatever happens") << sixPoints << 1 << "qualified" << 1;
    QTest::newRow("a win is enough, the rest depends on the other match")
        << sixPoints << 4 << "open through depends depends" << 1;
    QTest::newRow("a loss is the end") << sixPoints << 2 << "open depends depends out" << 1;

    // Two teams on six, two on nothing.
    const QStringList twoByTwo = groupScores("1:0 0:1 1:0 1:0 -:- -:-");
    QTest::newRow("out whatever happens") << twoByTwo << 2 << "eliminated" << 1;
    QTest::newRow("through with nothing left to fear") << twoByTwo << 4 << "qualified" << 1;

    // France and Mexico before the last matchday of group A in 2010.
    const QStringList groupA2010 = groupScores("1:1 0:0 0:3 0:2 -:- -:-");
    QTest::newRow("win or out, and even the win depends") << groupA2010 << 4 << "open depends out out" << 1;
    QTest::newRow("a draw is enough, a loss depends") << groupA2010 << 2 << "open through through depends" << 1;

    // Denmark and Japan, three points each, meet on the last matchday of
    // group E in 2010; the other match cannot reach them.
    QTest::newRow("a draw leaves it to goals alone")
        << groupScores("2:0 1:0 1:0 1:2 -:- -:-") << 2 << "open through depends* out" << 1;

    // Slot 1 has played its three matches on three points; whether that
    // is enough rests on the others alone.
    QTest::newRow("all its matches played") << groupScores("1:0 -:- 0:1 -:- 1:0 -:-") << 1 << "open" << 3;
    // A half-entered match gives no points yet: it is still to be played.
    QTest::newRow("half-entered match still open")
        << groupScores("1:0 0:0 1:0 0:0 2:- -:-") << 4 << "open through depends depends" << 1;
}

void TestGroupNeeds::needsOfATeam()
{
    QFETCH(QStringList, scores);
    QFETCH(int, slot);
    QFETCH(QString, expected);
    QFETCH(int, otherMatchesLeft);

    Tournament t;
    fillGroup(t, GroupId::D, scores);
    const auto teams = needs(t, GroupId::D);
    QVERIFY(teams);
    const TeamNeeds &team = (*teams)[std::size_t(slot - 1)];
    QCOMPARE(described(team), expected);
    QCOMPARE(team.otherMatchesLeft, otherMatchesLeft);
}

void TestGroupNeeds::completeGroupNeedsNothing()
{
    Tournament t;
    fillGroup(t, GroupId::D, groupScores("1:1 1:1 1:1 1:1 1:1 1:1"));
    QVERIFY(!needs(t, GroupId::D));
    t.setText(*t.group(GroupId::D).score, 11, QStringLiteral("-"));
    QVERIFY(needs(t, GroupId::D));
}

QTEST_GUILESS_MAIN(TestGroupNeeds)
#include "tst_groupneeds.moc"

#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "support/Words.h"
#include "tournament/PlaceReason.h"
#include "tournament/Tournament.h"

class TestPlaceReason final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void decidedByEachPlace_data();
    void decidedByEachPlace();
};

void TestPlaceReason::decidedByEachPlace_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QList<int>>("slotsByPlace");
    QTest::addColumn<QStringList>("criteria");

    QTest::newRow("points all the way down") << groupScores(slotOrderResults) << QList<int>{}
                                             << QList<int>{1, 2, 3, 4} << words("points points points _");
    // Spain and Chile on 6: +2 against +1.
    QTest::newRow("goal difference") << groupScores("0:1 0:1 2:0 1:0 1:2 0:0") << QList<int>{}
                                     << QList<int>{1, 4, 2, 3} << words("goalDifference points points _");
    // USA and England on 5 and +1: four goals against two.
    QTest::newRow("goals scored") << groupScores("1:1 0:1 0:0 2:2 0:1 1:0") << QList<int>{}
                                  << QList<int>{2, 1, 4, 3} << words("goalsFor points points _");
    QTest::newRow("level pair between two decided places")
        << groupScores("2:0 0:0 0:0 0:0 0:0 0:0") << QList<int>{} << QList<int>{1, 4, 3, 2}
        << words("points level points _");
    QTest::newRow("draw of lots, the other three level")
        << groupScores("1:1 1:1 1:1 1:1 1:1 1:1") << QList<int>{2} << QList<int>{2, 4, 3, 1}
        << words("drawOfLots level level _");
    QTest::newRow("nothing played") << groupScores("-:- -:- -:- -:- -:- -:-") << QList<int>{}
                                    << QList<int>{4, 3, 2, 1} << words("level level level _");
    // Half a match moves goals but no points.
    QTest::newRow("half-entered match")
        << groupScores("2:- -:- -:- -:- -:- -:-") << QList<int>{} << QList<int>{1, 4, 3, 2}
        << words("goalDifference level goalDifference _");
}

void TestPlaceReason::decidedByEachPlace()
{
    QFETCH(QStringList, scores);
    QFETCH(QList<int>, marked);
    QFETCH(QList<int>, slotsByPlace);
    QFETCH(QStringList, criteria);

    Tournament t;
    t.setReady(true);
    const GroupCells &cells = t.group(GroupId::F);
    for (int slot : marked)
        t.setTag(*cells.team, slot, QStringLiteral("1"));
    fillGroup(t, GroupId::F, groupScores("0:0 0:0 0:0 0:0 0:0 0:0"));
    fillGroup(t, GroupId::F, scores);

    const std::array<int, 4> order = slotsByRow(t, GroupId::F);
    QCOMPARE(QList<int>(order.begin(), order.end()), slotsByPlace);
    QStringList names;
    for (const std::optional<PlaceCriterion> &criterion : decidedBy(t, GroupId::F))
        names << (criterion ? criterionName(*criterion) : QString());
    QCOMPARE(names, criteria);
}

QTEST_GUILESS_MAIN(TestPlaceReason)
#include "tst_placereason.moc"

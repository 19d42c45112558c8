#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "support/SlotsByPlace.h"
#include "support/Words.h"
#include "tournament/GroupStage.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

const QString drawNotice = QStringLiteral("Tirage au sort !");

constexpr Rgb red = rgb(255, 0, 0);
constexpr Rgb grey = rgb(200, 200, 200);
constexpr Rgb black = rgb(0, 0, 0);

// Group C, the one of the typical edit. Every row is typed over a finished
// goalless group, so that even a row without any score is a change that
// recomputes the table.
constexpr GroupId group = GroupId::C;

void typeOverGoallessGroup(Tournament &t, const QStringList &scores)
{
    fillGroup(t, group, groupScores("0:0 0:0 0:0 0:0 0:0 0:0"));
    fillGroup(t, group, scores);
}

} // namespace

class TestGroupStandings final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void table_data();
    void table();
    void rankKeyWeighsTheCriteria_data();
    void rankKeyWeighsTheCriteria();
    void tieNoticeStaysEmptyWithoutItsMessage();
    void changeInOneGroupNeverTouchesAnother();
};

void TestGroupStandings::table_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QStringList>("goalsFor");
    QTest::addColumn<QStringList>("goalsAgainst");
    QTest::addColumn<QStringList>("difference");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QList<int>>("slotsByPlace");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("notice");

    // Stat columns list slots 1 to 4.
    QTest::newRow("no score at all: higher slot first, played empty")
        << groupScores("-:- -:- -:- -:- -:- -:-") << QList<int>{} //
        << words("_ _ _ _") << words("0 0 0 0") << words("0 0 0 0") << words("0 0 0 0") << words("0 0 0 0")
        << QList<int>{4, 3, 2, 1} << false << false;
    QTest::newRow("one match 2-1") << groupScores("2:1 -:- -:- -:- -:- -:-") << QList<int>{} //
                                   << words("1 1 _ _") << words("2 1 0 0") << words("1 2 0 0") << words("1 -1 0 0")
                                   << words("3 0 0 0") << QList<int>{1, 4, 3, 2} << false << false;
    QTest::newRow("half-entered match counts goals, not points")
        << groupScores("2:- -:- -:- -:- -:- -:-") << QList<int>{} //
        << words("_ _ _ _") << words("2 0 0 0") << words("0 2 0 0") << words("2 -2 0 0") << words("0 0 0 0")
        << QList<int>{1, 4, 3, 2} << false << false;
    QTest::newRow("away win") << groupScores("-:- -:- -:- 0:2 -:- -:-") << QList<int>{} //
                              << words("_ 1 _ 1") << words("0 2 0 0") << words("0 0 0 2") << words("0 2 0 -2")
                              << words("0 3 0 0") << QList<int>{2, 3, 1, 4} << false << false;
    QTest::newRow("emptied cell is a played nil")
        << groupScores(":1 -:- -:- -:- -:- -:-") << QList<int>{} //
        << words("1 1 _ _") << words("0 1 0 0") << words("1 0 0 0") << words("-1 1 0 0") << words("0 3 0 0")
        << QList<int>{2, 4, 3, 1} << false << false;
    QTest::newRow("decimal goals and letters")
        << groupScores("2.5:x -:- -:- -:- -:- -:-") << QList<int>{} //
        << words("1 1 _ _") << words("2.5 0 0 0") << words("0 2.5 0 0") << words("2.5 -2.5 0 0") << words("3 0 0 0")
        << QList<int>{1, 4, 3, 2} << false << false;
    QTest::newRow("all six drawn 1-1: tie notice, slots 4 and 3 qualified")
        << groupScores("1:1 1:1 1:1 1:1 1:1 1:1") << QList<int>{} //
        << words("3 3 3 3") << words("3 3 3 3") << words("3 3 3 3") << words("0 0 0 0") << words("3 3 3 3")
        << QList<int>{4, 3, 2, 1} << true << true;
    QTest::newRow("lower slot wins every match")
        << groupScores(slotOrderResults) << QList<int>{} //
        << words("3 3 3 3") << words("3 2 1 0") << words("0 1 2 3") << words("3 1 -1 -3") << words("9 6 3 0")
        << QList<int>{1, 2, 3, 4} << true << false;

    const char *twoTied = "1:1 1:0 2:0 0:2 0:2 2:0";
    QTest::newRow("two tied teams") << groupScores(twoTied) << QList<int>{} //
                                    << words("3 3 3 3") << words("5 5 1 0") << words("1 1 4 5") << words("4 4 -3 -5")
                                    << words("7 7 3 0") << QList<int>{2, 1, 3, 4} << true << true;
    QTest::newRow("two tied teams, draw mark lifts the lower slot and ends the notice")
        << groupScores(twoTied) << QList<int>{1} //
        << words("3 3 3 3") << words("5 5 1 0") << words("1 1 4 5") << words("4 4 -3 -5") << words("7 7 3 0")
        << QList<int>{1, 2, 3, 4} << true << false;
    QTest::newRow("two tied teams, both marked, tied again")
        << groupScores(twoTied) << QList<int>{1, 2} //
        << words("3 3 3 3") << words("5 5 1 0") << words("1 1 4 5") << words("4 4 -3 -5") << words("7 7 3 0")
        << QList<int>{2, 1, 3, 4} << true << true;

    const char *threeTied = "1:1 1:0 1:1 0:1 0:1 1:1";
    QTest::newRow("three tied teams, one marked, the other two still tied")
        << groupScores(threeTied) << QList<int>{1} //
        << words("3 3 3 3") << words("3 3 3 0") << words("2 2 2 3") << words("1 1 1 -3") << words("5 5 5 0")
        << QList<int>{1, 3, 2, 4} << true << true;
    QTest::newRow("draw mark in a group without scores")
        << groupScores("-:- -:- -:- -:- -:- -:-") << QList<int>{2} //
        << words("_ _ _ _") << words("0 0 0 0") << words("0 0 0 0") << words("0 0 0 0") << words("0 0 0 0")
        << QList<int>{2, 4, 3, 1} << false << false;

    // Slot 1 (difference 0) scores many goals, slot 3 one goal with
    // difference 1, both on 3 points: the difference decides however many
    // goals slot 1 scored.
    QTest::newRow("ten goals and difference 0 below difference 1")
        << groupScores("10:0 1:0 -:- -:- 10:0 -:-") << QList<int>{} //
        << words("2 1 1 2") << words("10 0 1 10") << words("10 10 0 1") << words("0 -10 1 9") << words("3 0 3 3")
        << QList<int>{4, 3, 1, 2} << false << false;
    QTest::newRow("twelve goals and difference 0 still below difference 1")
        << groupScores("12:0 1:0 -:- -:- 12:0 -:-") << QList<int>{} //
        << words("2 1 1 2") << words("12 0 1 12") << words("12 12 0 1") << words("0 -12 1 11") << words("3 0 3 3")
        << QList<int>{4, 3, 1, 2} << false << false;
    QTest::newRow("typed 1e5 ranks by its value")
        << groupScores("1e5:0 1:0 -:- -:- -:- -:-") << QList<int>{} //
        << words("1 1 1 1") << words("100000 0 1 0") << words("0 100000 0 1") << words("100000 -100000 1 -1")
        << words("3 0 3 0") << QList<int>{1, 3, 4, 2} << false << false;
}

void TestGroupStandings::table()
{
    QFETCH(QStringList, scores);
    QFETCH(QList<int>, marked);
    QFETCH(QStringList, played);
    QFETCH(QStringList, goalsFor);
    QFETCH(QStringList, goalsAgainst);
    QFETCH(QStringList, difference);
    QFETCH(QStringList, points);
    QFETCH(QList<int>, slotsByPlace);
    QFETCH(bool, complete);
    QFETCH(bool, notice);

    Tournament t;
    t.messages().set(3, drawNotice);
    t.setReady(true);
    const GroupCells &cells = t.group(group);
    for (int slot : marked)
        t.setTag(*cells.team, slot, QStringLiteral("1"));
    typeOverGoallessGroup(t, scores);

    for (int slot = 1; slot <= 4; ++slot) {
        const int i = slot - 1;
        QCOMPARE(cells.played->text(slot), played.at(i));
        QCOMPARE(cells.goalsFor->text(slot), goalsFor.at(i));
        QCOMPARE(cells.goalsAgainst->text(slot), goalsAgainst.at(i));
        QCOMPARE(cells.difference->text(slot), difference.at(i));
        QCOMPARE(cells.points->text(slot), points.at(i));
    }

    QCOMPARE(::slotsByPlace(t, group), slotsByPlace);
    for (int place = 1; place <= 4; ++place) {
        const int slot = slotsByPlace.at(place - 1);
        const int row = placeRows[std::size_t(place - 1)];
        for (const CellFamily *stat : {cells.goalsFor, cells.goalsAgainst, cells.difference, cells.points})
            QCOMPARE((*stat)[slot].row, row);
        QCOMPARE((*cells.played)[slot].row, row + 15);

        const bool qualified = complete && place <= 2;
        QCOMPARE((*cells.team)[slot].bold, qualified);
        QCOMPARE((*cells.team)[slot].textColour, !complete ? black : qualified ? red : grey);
    }

    QCOMPARE(cells.tieNotice->text(0), notice ? drawNotice : QString());
}

void TestGroupStandings::rankKeyWeighsTheCriteria_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<int>("markedSlot");
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("rankKey");

    QTest::newRow("winner of 2-1 with a draw mark")
        << groupScores("2:1 -:- -:- -:- -:- -:-") << 1 << 1 << 3 + 1.0 / 100 + 2.0 / 1000 + 1.0 / 10000;
    QTest::newRow("loser of 2-1") << groupScores("2:1 -:- -:- -:- -:- -:-") << 0 << 2 << 0 - 1.0 / 100 + 1.0 / 1000;
    QTest::newRow("twelve goals weigh more than difference 1")
        << groupScores("12:0 1:0 -:- -:- 12:0 -:-") << 0 << 1 << 3 + 12.0 / 1000;
}

void TestGroupStandings::rankKeyWeighsTheCriteria()
{
    QFETCH(QStringList, scores);
    QFETCH(int, markedSlot);
    QFETCH(int, slot);
    QFETCH(double, rankKey);

    Tournament t;
    if (markedSlot)
        t.setTag(*t.group(group).team, markedSlot, QStringLiteral("1"));
    fillGroup(t, group, scores);
    QCOMPARE(groupTable(t, group).rows[std::size_t(slot - 1)].rankKey, rankKey);
}

void TestGroupStandings::tieNoticeStaysEmptyWithoutItsMessage()
{
    Tournament t;
    t.setReady(true);
    RefreshAll(t);
    QVERIFY(t.messages().at(Message::drawLots).isEmpty());

    fillGroup(t, group, groupScores("1:1 1:1 1:1 1:1 1:1 1:1"));
    QCOMPARE(t.group(group).tieNotice->text(0), QString());
    QCOMPARE(::slotsByPlace(t, group), (QList<int>{4, 3, 2, 1}));
}

void TestGroupStandings::changeInOneGroupNeverTouchesAnother()
{
    Tournament t;
    t.messages().set(3, drawNotice);
    t.setReady(true);
    fillGroup(t, GroupId::A, groupScores("1:1 1:1 1:1 1:1 1:1 1:1"));
    RefreshAll(t);

    const GroupCells &a = t.group(GroupId::A);
    const QList<const CellFamily *> groupA{a.team,         a.score,      a.label,  a.played,   a.goalsFor,
                                           a.goalsAgainst, a.difference, a.points, a.tieNotice};
    QStringList touched;
    t.addObserver([&](const CellFamily &f, int index, CellProperty) {
        if (groupA.contains(&f))
            touched << f.name() + QString::number(index);
    });

    fillGroup(t, GroupId::B, groupScores(slotOrderResults));
    fillGroup(t, GroupId::B, groupScores("3:3 -:- 2:0 -:- -:- 1:5"));
    QCOMPARE(touched, QStringList());
    QCOMPARE(a.tieNotice->text(0), drawNotice);
    QCOMPARE(::slotsByPlace(t, GroupId::A), (QList<int>{4, 3, 2, 1}));
}

QTEST_APPLESS_MAIN(TestGroupStandings)
#include "tst_groupstandings.moc"

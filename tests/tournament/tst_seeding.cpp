#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "support/Words.h"
#include "tournament/GroupStage.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

constexpr Rgb darkRed = rgb(192, 0, 0);
constexpr Rgb black = rgb(0, 0, 0);

const QStringList placeholders{
    QStringLiteral("1 Gr A"), QStringLiteral("2 Gr B"), QStringLiteral("1 Gr C"), QStringLiteral("2 Gr D"),
    QStringLiteral("1 Gr B"), QStringLiteral("2 Gr A"), QStringLiteral("1 Gr D"), QStringLiteral("2 Gr C"),
    QStringLiteral("1 Gr E"), QStringLiteral("2 Gr F"), QStringLiteral("1 Gr G"), QStringLiteral("2 Gr H"),
    QStringLiteral("1 Gr F"), QStringLiteral("2 Gr E"), QStringLiteral("1 Gr H"), QStringLiteral("2 Gr G")};

// The round of 16 of a chart whose groups all ended in slot order.
const QStringList standardRoundOf16 = words("A1 B2 C1 D2 B1 A2 D1 C2 E1 F2 G1 H2 F1 E2 H1 G2");

// A ready chart with named teams, as after start-up.
void startChart(Tournament &t, const QString &chartName = QStringLiteral("VYL2010"))
{
    t.setChartName(chartName);
    nameTeamsByGroupAndSlot(t);
    t.setReady(true);
    RefreshAll(t);
}

} // namespace

class TestSeeding final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void tables_data();
    void tables();
    void summary_data();
    void summary();
    void incompleteGroupLeavesItsSlotsUnknown_data();
    void incompleteGroupLeavesItsSlotsUnknown();
    void drawOfLotsReseeds();
    void groupChangeKeepsKnockoutScores();
};

void TestSeeding::tables_data()
{
    QTest::addColumn<QString>("chartName");
    QTest::addColumn<QStringList>("roundOf16");

    QTest::newRow("VYL2010") << QStringLiteral("VYL2010") << standardRoundOf16;
    QTest::newRow("VYL1998 seeds like the standard") << QStringLiteral("VYL1998") << standardRoundOf16;
    QTest::newRow("VYL2006 seeds like the standard") << QStringLiteral("VYL2006") << standardRoundOf16;
    QTest::newRow("VYL2002") << QStringLiteral("VYL2002") << words("A1 F2 C1 H2 F1 A2 H1 C2 E1 B2 G1 D2 B1 E2 D1 G2");
    QTest::newRow("vyl2002 in lower case is not VYL2002") << QStringLiteral("vyl2002") << standardRoundOf16;
}

void TestSeeding::tables()
{
    QFETCH(QString, chartName);
    QFETCH(QStringList, roundOf16);

    Tournament t;
    startChart(t, chartName);
    completeAllGroupsInSlotOrder(t);

    const CellFamily &huit = *t.round(Round::RoundOf16).team;
    for (int i = 0; i <= 15; ++i) {
        QCOMPARE(huit.text(i), roundOf16.at(i));
        QCOMPARE(huit.text(16 + i), roundOf16.at(i));
    }
}

void TestSeeding::summary_data()
{
    QTest::addColumn<QList<GroupId>>("completeGroups");
    QTest::addColumn<QList<int>>("knownSlots");

    QTest::newRow("no group complete") << QList<GroupId>{} << QList<int>{};
    QTest::newRow("group A alone") << QList<GroupId>{GroupId::A} << QList<int>{0, 5};
    QTest::newRow("groups B and H") << QList<GroupId>{GroupId::B, GroupId::H} << QList<int>{1, 4, 11, 14};
    QList<int> all;
    for (int i = 0; i <= 15; ++i)
        all << i;
    QTest::newRow("every group") << QList<GroupId>(allGroups.begin(), allGroups.end()) << all;
}

void TestSeeding::summary()
{
    QFETCH(QList<GroupId>, completeGroups);
    QFETCH(QList<int>, knownSlots);

    Tournament t;
    startChart(t);
    // Every group has a score, so each one has been seeded from.
    for (GroupId g : allGroups)
        fillGroup(t, g, groupScores(completeGroups.contains(g) ? slotOrderResults : "1:0 -:- -:- -:- -:- -:-"));

    const CellFamily &huit = *t.round(Round::RoundOf16).team;
    for (int i = 0; i <= 15; ++i) {
        const bool known = knownSlots.contains(i);
        QCOMPARE(huit.text(i), known ? standardRoundOf16.at(i) : QStringLiteral("-"));
        QCOMPARE(huit.text(16 + i), known ? standardRoundOf16.at(i) : placeholders.at(i));
        QCOMPARE(huit[16 + i].bold, known);
        QCOMPARE(huit[16 + i].textColour, known ? darkRed : black);
    }
}

void TestSeeding::incompleteGroupLeavesItsSlotsUnknown_data()
{
    QTest::addColumn<bool>("finishedBefore");
    QTest::addColumn<QStringList>("groupC");

    QTest::newRow("one match of group C never finished") << false << groupScores("1:0 1:0 1:0 0:1 0:1 1:-");
    QTest::newRow("a score of finished group C typed back to -") << true << groupScores("1:0 1:0 -:0 0:1 0:1 1:0");
}

void TestSeeding::incompleteGroupLeavesItsSlotsUnknown()
{
    QFETCH(bool, finishedBefore);
    QFETCH(QStringList, groupC);

    Tournament t;
    startChart(t);
    for (GroupId g : allGroups)
        if (finishedBefore || g != GroupId::C)
            fillGroup(t, g, groupScores(slotOrderResults));
    fillGroup(t, GroupId::C, groupC);

    const CellFamily &huit = *t.round(Round::RoundOf16).team;
    for (int i = 0; i <= 15; ++i) {
        const bool ofGroupC = i == 2 || i == 7;
        QCOMPARE(huit.text(i), ofGroupC ? QStringLiteral("-") : standardRoundOf16.at(i));
        QCOMPARE(huit.text(16 + i), ofGroupC ? placeholders.at(i) : standardRoundOf16.at(i));
        QCOMPARE(huit[16 + i].bold, !ofGroupC);
    }
}

void TestSeeding::drawOfLotsReseeds()
{
    Tournament t;
    t.messages().set(3, QStringLiteral("Tirage au sort !"));
    startChart(t);
    fillGroup(t, GroupId::A, groupScores("1:1 1:1 1:1 1:1 1:1 1:1"));
    const CellFamily &huit = *t.round(Round::RoundOf16).team;
    QCOMPARE(huit.text(0), QStringLiteral("A4"));
    QCOMPARE(huit.text(5), QStringLiteral("A3"));

    DrawLots(t, GroupId::A, 1);
    QCOMPARE(huit.text(0), QStringLiteral("A1"));
    QCOMPARE(huit.text(5), QStringLiteral("A4"));
    QCOMPARE(huit.text(21), QStringLiteral("A4"));
}

void TestSeeding::groupChangeKeepsKnockoutScores()
{
    Tournament t;
    startChart(t);
    completeAllGroupsInSlotOrder(t);
    const RoundCells &r16 = t.round(Round::RoundOf16);
    t.setText(*r16.goals, 0, QStringLiteral("2"));
    t.setText(*r16.goals, 1, QStringLiteral("1"));
    t.setText(*r16.penalties, 3, QStringLiteral("4"));
    const CellFamily &qua = *t.round(Round::QuarterFinals).team;
    QCOMPARE(qua.text(0), QStringLiteral("A1"));

    // Slot 2 now wins group A.
    fillGroup(t, GroupId::A, groupScores("0:1 1:0 1:0 0:1 0:1 1:0"));
    QCOMPARE(r16.team->text(0), QStringLiteral("A2"));
    QCOMPARE(r16.team->text(5), QStringLiteral("A1"));
    QCOMPARE(r16.goals->text(0), QStringLiteral("2"));
    QCOMPARE(r16.goals->text(1), QStringLiteral("1"));
    QCOMPARE(r16.penalties->text(3), QStringLiteral("4"));

    // The bracket follows at the next knock-out edit, not at a group edit.
    QCOMPARE(qua.text(0), QStringLiteral("A1"));
    t.setText(*r16.penalties, 0, QStringLiteral("0"));
    QCOMPARE(qua.text(0), QStringLiteral("A2"));
}

QTEST_APPLESS_MAIN(TestSeeding)
#include "tst_seeding.moc"

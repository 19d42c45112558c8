#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "support/SlotsByPlace.h"
#include "tournament/GroupStage.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

const QString drawNotice = QStringLiteral("Tirage au sort !");

// Match label i shows the team of this slot.
constexpr std::array<int, 12> slotOfMatchLabel{1, 2, 3, 4, 1, 3, 4, 2, 4, 1, 2, 3};

QString markOf(const Tournament &t, GroupId g, int slot)
{
    return (*t.group(g).team)[slot].tag;
}

} // namespace

class TestGroupEntry final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void cleaning_data();
    void cleaning();
    void cleanedTextRecomputesOnce();
    void scoreEditRecomputesOnlyWhenReady_data();
    void scoreEditRecomputesOnlyWhenReady();
    void teamNameRefreshesLabelsOnlyWhenReady_data();
    void teamNameRefreshesLabelsOnlyWhenReady();
    void clickRecomputesEvenWhileLoading();
    void drawLots_data();
    void drawLots();
    void matchLabelsShowTheirSlot_data();
    void matchLabelsShowTheirSlot();
    void matchLabelsTakeTheTeamBackground();
    void renamingEmptiesRoundOf16OnlyAndKeepsTables();
    void refreshAllListsTeams_data();
    void refreshAllListsTeams();
};

void TestGroupEntry::cleaning_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    for (bool ready : {true, false}) {
        const char *when = ready ? "" : ", while loading";
        QTest::addRow("digit after the dash%s", when) << ready << QStringLiteral("-3") << QStringLiteral("3");
        QTest::addRow("digit before the dash%s", when) << ready << QStringLiteral("3-") << QStringLiteral("3");
        QTest::addRow("two dashes give the empty text%s", when) << ready << QStringLiteral("--") << QString();
        QTest::addRow("dash alone stays%s", when) << ready << QStringLiteral("-") << QStringLiteral("-");
        QTest::addRow("two digits%s", when) << ready << QStringLiteral("12") << QStringLiteral("12");
        QTest::addRow("dashes around%s", when) << ready << QStringLiteral("-1-") << QStringLiteral("1");
        QTest::addRow("letters kept%s", when) << ready << QStringLiteral("-x") << QStringLiteral("x");
    }
}

void TestGroupEntry::cleaning()
{
    QFETCH(bool, ready);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    Tournament t;
    t.setReady(ready);
    for (GroupId g : {GroupId::A, GroupId::H}) {
        CellFamily &score = *t.group(g).score;
        t.setText(score, 7, QStringLiteral("5"));
        t.setText(score, 7, typed);
        QCOMPARE(score.text(7), shown);
    }
}

void TestGroupEntry::cleanedTextRecomputesOnce()
{
    Tournament t;
    t.setReady(true);
    nameTeamsByGroupAndSlot(t);
    fillGroup(t, GroupId::A, groupScores(slotOrderResults));
    CellFamily &huit = *t.round(Round::RoundOf16).team;
    QCOMPARE(huit.text(0), QStringLiteral("A1"));

    QStringList typedTexts;
    int seedings = 0; // each seeding clears Huit 0 and fills it again
    t.addObserver([&](const CellFamily &f, int index, CellProperty property) {
        if (property != CellProperty::Text || index != 0)
            return;
        if (&f == t.group(GroupId::A).score)
            typedTexts << f.text(0);
        if (&f == &huit)
            ++seedings;
    });

    t.setText(*t.group(GroupId::A).score, 0, QStringLiteral("-2"));
    QCOMPARE(typedTexts, (QStringList{QStringLiteral("-2"), QStringLiteral("2")}));
    QCOMPARE(seedings, 2);
    QCOMPARE(t.group(GroupId::A).goalsFor->text(1), QStringLiteral("4"));
}

void TestGroupEntry::scoreEditRecomputesOnlyWhenReady_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("goalTotal");

    QTest::newRow("while loading nothing is computed") << false << QString() << QString();
    QTest::newRow("ready: the group and the goal total") << true << QStringLiteral("3") << QStringLiteral("3 buts");
}

void TestGroupEntry::scoreEditRecomputesOnlyWhenReady()
{
    QFETCH(bool, ready);
    QFETCH(QString, points);
    QFETCH(QString, goalTotal);

    Tournament t;
    t.messages().set(10, QStringLiteral("buts"));
    t.setReady(ready);
    CellFamily &score = *t.group(GroupId::B).score;
    t.setText(score, 0, QStringLiteral("2"));
    t.setText(score, 1, QStringLiteral("-1"));

    QCOMPARE(score.text(1), QStringLiteral("1"));
    QCOMPARE(t.group(GroupId::B).points->text(1), points);
    QCOMPARE(t.family(QStringLiteral("Label15")).text(0), goalTotal);
}

void TestGroupEntry::teamNameRefreshesLabelsOnlyWhenReady_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("label");

    QTest::newRow("while loading the labels keep their text") << false << QString();
    QTest::newRow("ready: the labels follow") << true << QStringLiteral("Vylonia");
}

void TestGroupEntry::teamNameRefreshesLabelsOnlyWhenReady()
{
    QFETCH(bool, ready);
    QFETCH(QString, label);

    Tournament t;
    t.setReady(ready);
    t.setText(*t.group(GroupId::E).team, 1, QStringLiteral("Vylonia"));
    QCOMPARE(t.group(GroupId::E).label->text(0), label);
    QCOMPARE(t.group(GroupId::E).points->text(1), QString());
}

void TestGroupEntry::clickRecomputesEvenWhileLoading()
{
    Tournament t;
    t.setText(*t.group(GroupId::F).score, 0, QStringLiteral("2"));
    t.setText(*t.group(GroupId::F).score, 1, QStringLiteral("0"));
    QCOMPARE(t.group(GroupId::F).points->text(1), QString());

    DrawLots(t, GroupId::F, 2);
    QCOMPARE(t.group(GroupId::F).points->text(1), QStringLiteral("3"));
}

void TestGroupEntry::drawLots_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("slotsByPlace");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QList<int>>("marked");

    // Slots 1 and 2 equal on every criterion, 3 and 4 apart.
    const QStringList twoTied = groupScores("1:1 1:0 2:0 0:2 0:2 2:0");
    // Slots 1, 2 and 3 equal, slot 4 lost everything.
    const QStringList threeTied = groupScores("1:1 1:0 1:1 0:1 0:1 1:1");

    QTest::newRow("two tied, none clicked") //
        << drawNotice << twoTied << QList<int>{} << QList<int>{2, 1, 3, 4} << true << QList<int>{};
    QTest::newRow("two tied, the lower one clicked moves up and ends the notice") //
        << drawNotice << twoTied << QList<int>{1} << QList<int>{1, 2, 3, 4} << false << QList<int>{1};
    QTest::newRow("two tied, the upper one clicked stays first") //
        << drawNotice << twoTied << QList<int>{2} << QList<int>{2, 1, 3, 4} << false << QList<int>{2};
    QTest::newRow("two tied, a second click on the same team changes nothing") //
        << drawNotice << twoTied << QList<int>{1, 1} << QList<int>{1, 2, 3, 4} << false << QList<int>{1};
    QTest::newRow("two tied, once broken no other team gets a mark") //
        << drawNotice << twoTied << QList<int>{1, 2} << QList<int>{1, 2, 3, 4} << false << QList<int>{1};
    QTest::newRow("three tied, the clicked one goes first, notice stays") //
        << drawNotice << threeTied << QList<int>{1} << QList<int>{1, 3, 2, 4} << true << QList<int>{1};
    QTest::newRow("three tied, a second mark ties it with the first") //
        << drawNotice << threeTied << QList<int>{1, 2} << QList<int>{2, 1, 3, 4} << true << QList<int>{1, 2};
    QTest::newRow("incomplete group with equal keys sets no mark") //
        << drawNotice << groupScores("1:1 -:- -:- -:- -:- -:-") << QList<int>{1} << QList<int>{2, 1, 4, 3} << false
        << QList<int>{};
    QTest::newRow("no notice message: the tie cannot be broken") //
        << QString() << twoTied << QList<int>{1} << QList<int>{2, 1, 3, 4} << false << QList<int>{};
}

void TestGroupEntry::drawLots()
{
    QFETCH(QString, message);
    QFETCH(QStringList, scores);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, slotsByPlace);
    QFETCH(bool, notice);
    QFETCH(QList<int>, marked);

    Tournament t;
    t.messages().set(3, message);
    t.setReady(true);
    RefreshAll(t);
    fillGroup(t, GroupId::D, scores);
    for (int slot : clicks)
        DrawLots(t, GroupId::D, slot);

    QCOMPARE(::slotsByPlace(t, GroupId::D), slotsByPlace);
    QCOMPARE(t.group(GroupId::D).tieNotice->text(0).isEmpty(), !notice);
    for (int slot = 1; slot <= 4; ++slot)
        QCOMPARE(markOf(t, GroupId::D, slot), marked.contains(slot) ? QStringLiteral("1") : QString());
}

void TestGroupEntry::matchLabelsShowTheirSlot_data()
{
    QTest::addColumn<GroupId>("group");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("labels");

    QTest::newRow("slot 1") << GroupId::A << 1 << QList<int>{0, 4, 9};
    QTest::newRow("slot 2") << GroupId::A << 2 << QList<int>{1, 7, 10};
    QTest::newRow("slot 3") << GroupId::A << 3 << QList<int>{2, 5, 11};
    QTest::newRow("slot 4") << GroupId::A << 4 << QList<int>{3, 6, 8};
    QTest::newRow("slot 2 of group E (lme)") << GroupId::E << 2 << QList<int>{1, 7, 10};
    QTest::newRow("slot 4 of group H") << GroupId::H << 4 << QList<int>{3, 6, 8};
}

void TestGroupEntry::matchLabelsShowTheirSlot()
{
    QFETCH(GroupId, group);
    QFETCH(int, slot);
    QFETCH(QList<int>, labels);

    Tournament t;
    nameTeamsByGroupAndSlot(t);
    t.setReady(true);
    const GroupCells &cells = t.group(group);

    t.setText(*cells.team, slot, QStringLiteral("Vylonia"));
    for (int i = 0; i < 12; ++i) {
        const QString expected = labels.contains(i)
                                     ? QStringLiteral("Vylonia")
                                     : QString(groupLetter(group)) + QString::number(slotOfMatchLabel[std::size_t(i)]);
        QCOMPARE(cells.label->text(i), expected);
    }

    t.setText(*cells.team, slot, QString());
    for (int i : labels)
        QCOMPARE(cells.label->text(i), QString());
}

void TestGroupEntry::matchLabelsTakeTheTeamBackground()
{
    Tournament t;
    t.setReady(true);
    RefreshAll(t);
    const std::array<Rgb, 4> slotColours{rgb(255, 255, 255), rgb(255, 255, 192), rgb(192, 255, 192),
                                         rgb(192, 255, 255)};
    for (GroupId g : allGroups)
        for (int i = 0; i < 12; ++i)
            QCOMPARE((*t.group(g).label)[i].background, slotColours[std::size_t(slotOfMatchLabel[std::size_t(i)] - 1)]);

    // The labels copy whatever the team cell shows, not a fixed table.
    const GroupCells &g = t.group(GroupId::G);
    t.setBackground(*g.team, 2, rgb(1, 2, 3));
    t.setText(*g.team, 1, QStringLiteral("Vylonia"));
    for (int i : {1, 7, 10})
        QCOMPARE((*g.label)[i].background, rgb(1, 2, 3));
}

void TestGroupEntry::renamingEmptiesRoundOf16OnlyAndKeepsTables()
{
    Tournament t;
    nameTeamsByGroupAndSlot(t);
    t.setReady(true);
    completeAllGroupsInSlotOrder(t);
    CellFamily &huit = *t.round(Round::RoundOf16).team;
    QStringList summary;
    for (int i = 16; i <= 31; ++i)
        summary << huit.text(i);
    QCOMPARE(summary.first(), QStringLiteral("A1"));

    QStringList changed;
    t.addObserver([&](const CellFamily &f, int index, CellProperty) { changed << f.name() + QString::number(index); });
    t.setText(*t.group(GroupId::C).team, 3, QStringLiteral("Vylonia"));

    for (int i = 0; i <= 15; ++i)
        QCOMPARE(huit.text(i), QString());
    for (int i = 16; i <= 31; ++i)
        QCOMPARE(huit.text(i), summary.at(i - 16));
    for (const QString &cell : std::as_const(changed))
        QVERIFY2(cell.startsWith(u"lm") || cell.startsWith(u"Huit") || cell == u"C3", qPrintable(cell));
}

void TestGroupEntry::refreshAllListsTeams_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("slotsByPlace");

    QTest::newRow("empty chart: slot order") << QString() << 0 << QString() << QList<int>{1, 2, 3, 4};
    QTest::newRow("one score in group B: higher slot first")
        << QStringLiteral("ButB") << 0 << QStringLiteral("1") << QList<int>{4, 3, 2, 1};
    QTest::newRow("an emptied cell in group H is a score")
        << QStringLiteral("ButH") << 11 << QString() << QList<int>{4, 3, 2, 1};
    QTest::newRow("a knock-out score is no group score")
        << QStringLiteral("Buthui") << 0 << QStringLiteral("1") << QList<int>{1, 2, 3, 4};
}

void TestGroupEntry::refreshAllListsTeams()
{
    QFETCH(QString, family);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QList<int>, slotsByPlace);

    Tournament t;
    if (!family.isEmpty())
        t.setText(t.family(family), index, text);
    t.setReady(true);
    RefreshAll(t);

    for (GroupId g : {GroupId::A, GroupId::C, GroupId::G})
        QCOMPARE(::slotsByPlace(t, g), slotsByPlace);
    // Only the names go back to slot order; the stat cells stay where the
    // table put them, slot 1 last.
    const GroupCells &a = t.group(GroupId::A);
    QCOMPARE((*a.goalsFor)[1].row, placeRows[3]);
    QCOMPARE((*a.played)[1].row, placeRows[3] + 15);
    for (int slot = 1; slot <= 4; ++slot) {
        QCOMPARE((*a.team)[slot].textColour, rgb(0, 0, 0));
        QCOMPARE(a.played->text(slot), QString());
    }
}

QTEST_APPLESS_MAIN(TestGroupEntry)
#include "tst_groupentry.moc"

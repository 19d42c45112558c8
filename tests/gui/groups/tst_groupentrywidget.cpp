#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "support/ChartWindow.h"
#include "support/FillGroups.h"
#include "support/Words.h"
#include "tournament/GroupFixtures.h"
#include "tournament/RefreshAll.h"

namespace {

// Rows of places 1 to 4 in pixels: 690, 945, 1380 and 1635 twips at 15
// twips per pixel.
const QList<int> placeY{46, 63, 92, 109};

const QString drawNotice = QStringLiteral("Tirage au sort !");

// The slots of the group from the top row down, read from where the team
// name cells stand; 0 for a row that no team cell occupies.
QList<int> slotsFromTop(const ChartWindow &chart, const QString &group)
{
    QList<int> order;
    for (int y : placeY) {
        int found = 0;
        for (int slot = 1; slot <= 4; ++slot)
            if (const QWidget *team = chart.control(group, slot); team && team->y() == y)
                found = slot;
        order << found;
    }
    return order;
}

QStringList column(const ChartWindow &chart, const QString &name)
{
    QStringList texts;
    for (int slot = 1; slot <= 4; ++slot)
        texts << chart.shown(name, slot);
    return texts;
}

QColor nameColour(const ChartWindow &chart, const QString &group, int slot)
{
    const auto *team = chart.control<QLineEdit>(group, slot);
    return team ? team->palette().color(QPalette::Text) : QColor();
}

} // namespace

class TestGroupEntryWidget final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void typedScoreRecomputesTheGroup_data();
    void typedScoreRecomputesTheGroup();
    void pressSelectsTheFirstTwoCharacters_data();
    void pressSelectsTheFirstTwoCharacters();
    void dashBesideTheDigitIsCleaned_data();
    void dashBesideTheDigitIsCleaned();
    void dashOverAScoreUnplaysTheMatch();
    void tabFollowsTheMatchOrder();
    void teamNamesAreLockedUntilUnlocked();
    void renamedTeamFollowsInItsMatchLabels_data();
    void renamedTeamFollowsInItsMatchLabels();
    void emptyChartListsSlotOrder_data();
    void emptyChartListsSlotOrder();
    void anyScoreKeepsTheRankedOrderOfEmptyGroups();
    void drawOfLots_data();
    void drawOfLots();
    void teamNameColours_data();
    void teamNameColours();
};

void TestGroupEntryWidget::typedScoreRecomputesTheGroup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QList<int>>("cells");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("pointsName");
    QTest::addColumn<QString>("goalsForName");
    QTest::addColumn<QStringList>("points");   // slots 1 to 4
    QTest::addColumn<QStringList>("goalsFor"); // slots 1 to 4
    QTest::addColumn<QList<int>>("order");

    QTest::newRow("digit over the dash moves goals, no points yet")
        << "C" << QList<int>{0} << words("3") << "PTsC" << "BPC" //
        << words("0 0 0 0") << words("3 0 0 0") << QList<int>{1, 4, 3, 2};
    QTest::newRow("both sides typed: home win")
        << "C" << QList<int>{0, 1} << words("3 1") << "PTsC" << "BPC" //
        << words("3 0 0 0") << words("3 1 0 0") << QList<int>{1, 4, 3, 2};
    QTest::newRow("two-digit score against slot 3")
        << "C" << QList<int>{4} << words("12") << "PTsC" << "BPC" //
        << words("0 0 0 0") << words("12 0 0 0") << QList<int>{1, 4, 2, 3};
    QTest::newRow("longer than the cell, kept whole")
        << "C" << QList<int>{4} << words("1000") << "PTsC" << "BPC" //
        << words("0 0 0 0") << words("1000 0 0 0") << QList<int>{1, 4, 2, 3};
    QTest::newRow("away win where the names are irregular")
        << "G" << QList<int>{6, 7} << words("0 2") << "ptSG" << "BPG" //
        << words("0 3 0 0") << words("0 2 0 0") << QList<int>{2, 3, 1, 4};
}

void TestGroupEntryWidget::typedScoreRecomputesTheGroup()
{
    QFETCH(QString, group);
    QFETCH(QList<int>, cells);
    QFETCH(QStringList, keys);
    QFETCH(QString, pointsName);
    QFETCH(QString, goalsForName);
    QFETCH(QStringList, points);
    QFETCH(QStringList, goalsFor);
    QFETCH(QList<int>, order);

    ChartWindow chart;
    QVERIFY(chart.start());
    QCOMPARE(slotsFromTop(chart, group), (QList<int>{1, 2, 3, 4}));

    const QString scores = QStringLiteral("But") + group;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        QCOMPARE(chart.shown(scores, cells[i]), QStringLiteral("-"));
        QVERIFY(chart.type(scores, cells[i], keys[i]));
    }

    for (qsizetype i = 0; i < cells.size(); ++i) {
        QCOMPARE(chart.shown(scores, cells[i]), keys[i]);
        QCOMPARE(chart.t.family(scores).text(cells[i]), keys[i]);
    }
    QCOMPARE(column(chart, pointsName), points);
    QCOMPARE(column(chart, goalsForName), goalsFor);
    QCOMPARE(slotsFromTop(chart, group), order);
    // The stat cells travel with their team.
    for (int slot = 1; slot <= 4; ++slot) {
        QVERIFY(chart.control(pointsName, slot));
        QCOMPARE(chart.control(pointsName, slot)->y(), chart.control(group, slot)->y());
    }
}

void TestGroupEntryWidget::pressSelectsTheFirstTwoCharacters_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("after"); // once "4" is typed

    QTest::newRow("the dash") << "-" << "-" << "4";
    QTest::newRow("one digit") << "7" << "7" << "4";
    QTest::newRow("two digits") << "12" << "12" << "4";
    QTest::newRow("three digits: the first two") << "123" << "12" << "43";
}

void TestGroupEntryWidget::pressSelectsTheFirstTwoCharacters()
{
    QFETCH(QString, before);
    QFETCH(QString, selected);
    QFETCH(QString, after);

    ChartWindow chart;
    QVERIFY(chart.start());
    QVERIFY(chart.type(QStringLiteral("ButH"), 5, before));
    auto *cell = chart.control<QLineEdit>(QStringLiteral("ButH"), 5);
    QCOMPARE(cell->text(), before);

    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(cell->width() - 2, cell->height() / 2));
    QCOMPARE(cell->selectedText(), selected);
    QTest::keyClick(cell, Qt::Key_4);
    QCOMPARE(cell->text(), after);
    QCOMPARE(chart.t.family(QStringLiteral("ButH")).text(5), after);
}

void TestGroupEntryWidget::dashBesideTheDigitIsCleaned_data()
{
    QTest::addColumn<Qt::Key>("caretKey");

    QTest::newRow("dash then 1") << Qt::Key_End;
    QTest::newRow("1 then dash") << Qt::Key_Home;
}

void TestGroupEntryWidget::dashBesideTheDigitIsCleaned()
{
    QFETCH(Qt::Key, caretKey);

    ChartWindow chart;
    QVERIFY(chart.start());
    auto *cell = chart.control<QLineEdit>(QStringLiteral("ButA"), 0);
    QVERIFY(cell);

    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClick(cell, caretKey);
    QVERIFY(!cell->hasSelectedText());
    QTest::keyClick(cell, Qt::Key_1);
    QCOMPARE(cell->text(), QStringLiteral("1"));
    QCOMPARE(chart.t.family(QStringLiteral("ButA")).text(0), QStringLiteral("1"));
    QCOMPARE(chart.shown(QStringLiteral("BP"), 1), QStringLiteral("1"));

    QTest::keyClick(cell, Qt::Key_2);
    QCOMPARE(cell->text(), QStringLiteral("12"));
    QCOMPARE(chart.t.family(QStringLiteral("ButA")).text(0), QStringLiteral("12"));
    QCOMPARE(chart.shown(QStringLiteral("BP"), 1), QStringLiteral("12"));
}

void TestGroupEntryWidget::dashOverAScoreUnplaysTheMatch()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    const QString scores = QStringLiteral("ButB");
    QVERIFY(chart.type(scores, 0, QStringLiteral("2")));
    QVERIFY(chart.type(scores, 1, QStringLiteral("0")));
    QCOMPARE(chart.shown(QStringLiteral("PTsB"), 1), QStringLiteral("3"));
    QCOMPARE(chart.shown(QStringLiteral("MJb"), 1), QStringLiteral("1"));
    auto *away = chart.control<QLineEdit>(scores, 1);
    QVERIFY(away);
    const QColor playedBase = away->palette().color(QPalette::Base);

    QVERIFY(chart.type(scores, 1, QStringLiteral("-")));

    QCOMPARE(away->text(), QStringLiteral("-"));
    QCOMPARE(chart.t.family(scores).text(1), QStringLiteral("-"));
    QCOMPARE(column(chart, QStringLiteral("PTsB")), words("0 0 0 0"));
    QCOMPARE(column(chart, QStringLiteral("MJb")), words("_ _ _ _"));
    // The home goals of the half-entered match still count.
    QCOMPARE(column(chart, QStringLiteral("BPB")), words("2 0 0 0"));
    QVERIFY(away->palette().color(QPalette::Base) != playedBase);
}

void TestGroupEntryWidget::tabFollowsTheMatchOrder()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    QVERIFY(chart.click(QStringLiteral("ButA"), 0));
    QCOMPARE(QApplication::focusWidget(), chart.control(QStringLiteral("ButA"), 0));

    for (const char *group : {"ButA", "ButB", "ButC", "ButD", "ButE", "ButF", "ButG", "ButH"}) {
        for (int i = 0; i < 12; ++i) {
            const QString name = QString::fromLatin1(group);
            if (name == u"ButA" && i == 0)
                continue;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QWidget *focus = QApplication::focusWidget();
            QVERIFY2(focus == chart.control(name, i),
                     qPrintable(QStringLiteral("expected %1 %2, focus on %3 %4")
                                    .arg(name)
                                    .arg(i)
                                    .arg(focus ? focus->objectName() : QString())
                                    .arg(focus ? focus->property("index").toInt() : -1)));
        }
    }
}

void TestGroupEntryWidget::teamNamesAreLockedUntilUnlocked()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    auto *team = chart.control<QLineEdit>(QStringLiteral("E"), 2);
    QVERIFY(team);

    QTest::mouseClick(team, Qt::LeftButton);
    QTest::keyClick(team, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(team, QStringLiteral("Danemark"));
    QCOMPARE(team->text(), QStringLiteral("E2"));
    QCOMPARE(chart.t.family(QStringLiteral("E")).text(2), QStringLiteral("E2"));
    QVERIFY(chart.prompts.asked().isEmpty());

    QVERIFY(chart.click(QStringLiteral("Label12")));

    QCOMPARE(chart.prompts.asked().size(), 1);
    const AnsweringPrompts::Asked &notice = chart.prompts.asked().constFirst();
    QCOMPARE(notice.kind, AnsweringPrompts::Kind::Notice);
    QCOMPARE(notice.title, QStringLiteral("OK"));
    QCOMPARE(notice.text, QStringLiteral("Équipes débloquées"));
    for (const char *group : {"A", "B", "C", "D", "E", "F", "G", "H"})
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(!chart.control<QLineEdit>(QString::fromLatin1(group), slot)->isReadOnly());

    QTest::mouseClick(team, Qt::LeftButton);
    QTest::keyClick(team, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(team, QStringLiteral("Danemark"));
    QCOMPARE(team->text(), QStringLiteral("Danemark"));
    QCOMPARE(chart.t.family(QStringLiteral("E")).text(2), QStringLiteral("Danemark"));
}

void TestGroupEntryWidget::renamedTeamFollowsInItsMatchLabels_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QList<int>>("ownLabels");

    QTest::newRow("group A slot 1") << "A" << 1 << "lm" << QList<int>{0, 4, 9};
    QTest::newRow("group B slot 2") << "B" << 2 << "lmB" << QList<int>{1, 7, 10};
    QTest::newRow("group E slot 4") << "E" << 4 << "lme" << QList<int>{3, 6, 8};
    QTest::newRow("group H slot 3") << "H" << 3 << "lmH" << QList<int>{2, 5, 11};
}

void TestGroupEntryWidget::renamedTeamFollowsInItsMatchLabels()
{
    QFETCH(QString, group);
    QFETCH(int, slot);
    QFETCH(QString, labels);
    QFETCH(QList<int>, ownLabels);

    ChartWindow chart;
    QVERIFY(chart.start());
    for (int i = 0; i <= 15; ++i)
        QCOMPARE(chart.shown(QStringLiteral("Huit"), i), QStringLiteral("-"));
    QVERIFY(chart.click(QStringLiteral("Label12")));
    auto *team = chart.control<QLineEdit>(group, slot);
    QVERIFY(team);

    QTest::mouseClick(team, Qt::LeftButton);
    QTest::keyClick(team, Qt::Key_A, Qt::ControlModifier);
    ChartWindow::typeText(team, QStringLiteral("Brésil"));

    QCOMPARE(chart.t.family(group).text(slot), QStringLiteral("Brésil"));
    // The click that put the caret in the name moved no row.
    QCOMPARE(slotsFromTop(chart, group), (QList<int>{1, 2, 3, 4}));
    for (int i = 0; i <= 11; ++i) {
        const QString expected = ownLabels.contains(i) ? QStringLiteral("Brésil")
                                                       : group + QString::number(slotOfLabel(i));
        QCOMPARE(chart.shown(labels, i), expected);
    }
    for (int i = 0; i <= 15; ++i)
        QCOMPARE(chart.shown(QStringLiteral("Huit"), i), QString());
}

void TestGroupEntryWidget::emptyChartListsSlotOrder_data()
{
    QTest::addColumn<QString>("group");
    for (const char *group : {"A", "B", "C", "D", "E", "F", "G", "H"})
        QTest::newRow(group) << QString::fromLatin1(group);
}

void TestGroupEntryWidget::emptyChartListsSlotOrder()
{
    QFETCH(QString, group);

    ChartWindow chart;
    QVERIFY(chart.start());
    for (int slot = 1; slot <= 4; ++slot) {
        QVERIFY(chart.control(group, slot));
        QCOMPARE(chart.control(group, slot)->y(), placeY[slot - 1]);
    }
}

void TestGroupEntryWidget::anyScoreKeepsTheRankedOrderOfEmptyGroups()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    QVERIFY(chart.type(QStringLiteral("ButA"), 0, QStringLiteral("1")));
    QCOMPARE(slotsFromTop(chart, QStringLiteral("B")), (QList<int>{1, 2, 3, 4}));

    RefreshAll(chart.t);

    QCOMPARE(slotsFromTop(chart, QStringLiteral("B")), (QList<int>{4, 3, 2, 1}));
    QCOMPARE(slotsFromTop(chart, QStringLiteral("A")), (QList<int>{1, 4, 3, 2}));
}

void TestGroupEntryWidget::drawOfLots_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<bool>("noticeBefore");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<bool>("noticeAfter");
    QTest::addColumn<QStringList>("marks"); // slots 1 to 4

    QTest::newRow("two tied: the lower one clicked moves up, notice goes")
        << groupScores("0:0 2:0 1:0 0:1 0:1 1:0") << QList<int>{2, 1, 3, 4} << true //
        << QList<int>{1} << QList<int>{1, 2, 3, 4} << false << words("1 _ _ _");
    QTest::newRow("three tied: the clicked one goes first, notice stays")
        << groupScores("1:1 1:0 1:1 0:1 0:1 1:1") << QList<int>{3, 2, 1, 4} << true //
        << QList<int>{1} << QList<int>{1, 3, 2, 4} << true << words("1 _ _ _");
    QTest::newRow("a second mark in the tied set ties both marked again")
        << groupScores("1:1 1:0 1:1 0:1 0:1 1:1") << QList<int>{3, 2, 1, 4} << true //
        << QList<int>{1, 2} << QList<int>{2, 1, 3, 4} << true << words("1 1 _ _");
    QTest::newRow("the mark is a flag, not a counter")
        << groupScores("1:1 1:0 1:1 0:1 0:1 1:1") << QList<int>{3, 2, 1, 4} << true //
        << QList<int>{1, 1} << QList<int>{1, 3, 2, 4} << true << words("1 _ _ _");
    QTest::newRow("incomplete group: equal keys but no mark")
        << groupScores("0:0 0:0 0:0 0:0 0:0 0:-") << QList<int>{4, 1, 3, 2} << false //
        << QList<int>{1} << QList<int>{4, 1, 3, 2} << false << words("_ _ _ _");
}

void TestGroupEntryWidget::drawOfLots()
{
    QFETCH(QStringList, scores);
    QFETCH(QList<int>, before);
    QFETCH(bool, noticeBefore);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, after);
    QFETCH(bool, noticeAfter);
    QFETCH(QStringList, marks);

    ChartWindow chart;
    chart.t.messages().set(3, drawNotice);
    QVERIFY(chart.start());
    for (int i = 0; i <= 11; ++i)
        QVERIFY(chart.type(QStringLiteral("ButD"), i, scores[i]));
    const QString group = QStringLiteral("D");
    const QString notice = QStringLiteral("LabTIRD");
    QCOMPARE(slotsFromTop(chart, group), before);
    QCOMPARE(chart.shown(notice), noticeBefore ? drawNotice : QString());

    for (int slot : clicks)
        QVERIFY(chart.click(group, slot));

    QCOMPARE(slotsFromTop(chart, group), after);
    QCOMPARE(chart.shown(notice), noticeAfter ? drawNotice : QString());
    for (int slot = 1; slot <= 4; ++slot)
        QCOMPARE(chart.t.family(group)[slot].tag, marks[slot - 1]);
}

void TestGroupEntryWidget::teamNameColours_data()
{
    QTest::addColumn<int>("typedCells");
    QTest::addColumn<int>("unplayedAgain");
    QTest::addColumn<QList<QColor>>("colours"); // slots 1 to 4
    QTest::addColumn<QList<bool>>("bold");

    const QColor red(255, 0, 0);
    const QColor grey(0x6b, 0x6b, 0x6b); // the chart's grey, shown readable
    const QColor black(0, 0, 0);
    // Italy, Paraguay, New Zealand, Slovakia: Paraguay first, Slovakia second.
    QTest::newRow("complete: first two red and bold, the others grey")
        << 12 << -1 << QList<QColor>{grey, red, grey, red} << QList<bool>{false, true, false, true};
    QTest::newRow("one score short: all black")
        << 11 << -1 << QList<QColor>{black, black, black, black} << QList<bool>{false, false, false, false};
    QTest::newRow("a score typed back to the dash: all black again")
        << 12 << 3 << QList<QColor>{black, black, black, black} << QList<bool>{false, false, false, false};
}

void TestGroupEntryWidget::teamNameColours()
{
    QFETCH(int, typedCells);
    QFETCH(int, unplayedAgain);
    QFETCH(QList<QColor>, colours);
    QFETCH(QList<bool>, bold);

    ChartWindow chart;
    QVERIFY(chart.start());
    const QStringList scores = groupScores("1:1 1:1 1:1 0:2 3:2 0:0");
    for (int i = 0; i < typedCells; ++i)
        QVERIFY(chart.type(QStringLiteral("ButF"), i, scores[i]));
    if (unplayedAgain >= 0)
        QVERIFY(chart.type(QStringLiteral("ButF"), unplayedAgain, QStringLiteral("-")));

    // Beside the colour, the face tells the outcome in black and white:
    // bold for the qualified, italic for the eliminated.
    for (int slot = 1; slot <= 4; ++slot) {
        QCOMPARE(nameColour(chart, QStringLiteral("F"), slot), colours[slot - 1]);
        const QFont face = chart.control(QStringLiteral("F"), slot)->font();
        QCOMPARE(face.bold(), bold[slot - 1]);
        QCOMPARE(face.italic(), colours[slot - 1] == QColor(0x6b, 0x6b, 0x6b));
    }
}

QTEST_MAIN(TestGroupEntryWidget)
#include "tst_groupentrywidget.moc"

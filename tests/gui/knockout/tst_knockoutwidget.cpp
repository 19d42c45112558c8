#include <algorithm>
#include <array>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "support/ChartWindow.h"
#include "support/FillGroups.h"
#include "support/Results2010.h"

namespace {

const QColor winnerGreen(0, 128, 0);
const QColor neutralWhite(255, 255, 255);

QStringList shownTexts(const ChartWindow &chart, const QString &name, int first, int last)
{
    QStringList texts;
    for (int i = first; i <= last; ++i)
        texts << chart.shown(name, i);
    return texts;
}

// "Uruguay, Korea Republic" as a list of names.
QStringList names(const char *list)
{
    return QString::fromUtf8(list).split(QStringLiteral(", "));
}

QColor background(const ChartWindow &chart, const QString &name, int index)
{
    const QWidget *w = chart.control(name, index);
    return w ? w->palette().color(QPalette::Window) : QColor();
}

// The team whose name cell stands at the pixel row y of its group.
QString teamAtRow(const ChartWindow &chart, const QString &group, int y)
{
    for (int slot = 1; slot <= 4; ++slot)
        if (const auto *team = chart.control<QLineEdit>(group, slot); team && team->y() == y)
            return team->text();
    return QString();
}

// Types every score of one knock-out round from the 2010 results: goals of
// every side, then the penalties of the shoot-outs. False when a cell is
// missing.
bool typeRound(const ChartWindow &chart, const RoundResults &results)
{
    const RoundCells &round = chart.t.round(results.round);
    const QStringList goals = sideTexts(results.goals);
    const QStringList penalties = sideTexts(results.penalties);
    bool typed = true;
    for (int side = 0; side < round.sides; ++side)
        typed = typed && chart.type(round.goals->name(), side, goals[side]);
    for (int side = 0; side < round.sides; ++side)
        if (penalties[side] != u"-")
            typed = typed && chart.type(round.penalties->name(), side, penalties[side]);
    return typed;
}

} // namespace

class TestKnockoutWidget final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void knockoutButtonTogglesThePage_data();
    void knockoutButtonTogglesThePage();
    void typingInAGoalCell_data();
    void typingInAGoalCell();
    void wholeTournamentTypedThroughTheWindow();
    void tabGoesGoalsThenPenalties();
    void shootOutHintFollowsTheScore();
};

void TestKnockoutWidget::knockoutButtonTogglesThePage_data()
{
    QTest::addColumn<QString>("closedEntry");
    QTest::addColumn<QString>("openEntry");
    QTest::addColumn<QString>("closedCaption");
    QTest::addColumn<QString>("openCaption");

    QTest::newRow("no language yet: the design captions") //
        << QString() << QString() << "Phase Finale" << "Phase de Groupes";
    QTest::newRow("captions from the message table") //
        << "Final Phase" << "Group Stage" << "Final Phase" << "Group Stage";
}

void TestKnockoutWidget::knockoutButtonTogglesThePage()
{
    QFETCH(QString, closedEntry);
    QFETCH(QString, openEntry);
    QFETCH(QString, closedCaption);
    QFETCH(QString, openCaption);

    ChartWindow chart;
    chart.t.messages().set(1, closedEntry);
    chart.t.messages().set(2, openEntry);
    QVERIFY(chart.start());
    QWidget *page = chart.control(QStringLiteral("Frame9"));
    QVERIFY(page);
    QVERIFY(!page->isVisible());
    QCOMPARE(chart.shown(QStringLiteral("Command1")), closedCaption);

    QVERIFY(chart.click(QStringLiteral("Command1")));
    QVERIFY(page->isVisible());
    QCOMPARE(chart.shown(QStringLiteral("Command1")), openCaption);

    QVERIFY(chart.click(QStringLiteral("Command1")));
    QVERIFY(!page->isVisible());
    QCOMPARE(chart.shown(QStringLiteral("Command1")), closedCaption);
}

void TestKnockoutWidget::typingInAGoalCell_data()
{
    QTest::addColumn<QString>("before");   // typed over the selection first, if any
    QTest::addColumn<Qt::Key>("caretKey"); // Key_unknown: type over the selection
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quarterFinalist");

    // Uruguay against Korea Republic, who have scored 1.
    QTest::newRow("3 over the dash") << QString() << Qt::Key_unknown << "3" << "3" << "Uruguay";
    QTest::newRow("3 behind the dash") << QString() << Qt::Key_End << "3" << "3" << "Uruguay";
    QTest::newRow("3 in front of the dash") << QString() << Qt::Key_Home << "3" << "3" << "Uruguay";
    QTest::newRow("dash over a score: not played again") << "3" << Qt::Key_unknown << "-" << "-" << "-";
    QTest::newRow("second dash: a played nil") << QString() << Qt::Key_End << "-" << "" << "Korea Republic";
}

void TestKnockoutWidget::typingInAGoalCell()
{
    QFETCH(QString, before);
    QFETCH(Qt::Key, caretKey);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, quarterFinalist);

    ChartWindow chart;
    nameTeams2010(chart.t);
    for (GroupId g : {GroupId::A, GroupId::B})
        fillGroup(chart.t, g, groupScores(groups2010[std::size_t(groupIndex(g))].scores));
    QVERIFY(chart.start());
    QVERIFY(chart.click(QStringLiteral("Command1")));
    QCOMPARE(shownTexts(chart, QStringLiteral("Huit"), 0, 1), names("Uruguay, Korea Republic"));
    QVERIFY(chart.type(QStringLiteral("Buthui"), 1, QStringLiteral("1")));
    if (!before.isEmpty())
        QVERIFY(chart.type(QStringLiteral("Buthui"), 0, before));

    auto *cell = chart.control<QLineEdit>(QStringLiteral("Buthui"), 0);
    QVERIFY(cell);
    QTest::mouseClick(cell, Qt::LeftButton);
    if (caretKey != Qt::Key_unknown)
        QTest::keyClick(cell, caretKey);
    ChartWindow::typeText(cell, keys);

    QCOMPARE(cell->text(), text);
    QCOMPARE(chart.t.family(QStringLiteral("Buthui")).text(0), text);
    QCOMPARE(chart.shown(QStringLiteral("Qua"), 0), quarterFinalist);
}

void TestKnockoutWidget::wholeTournamentTypedThroughTheWindow()
{
    ChartWindow chart;
    nameTeams2010(chart.t);
    chart.t.messages().set(10, QStringLiteral("buts"));
    QVERIFY(chart.start());

    for (GroupId g : allGroups) {
        const QStringList scores = groupScores(groups2010[std::size_t(groupIndex(g))].scores);
        for (int i = 0; i <= 11; ++i)
            QVERIFY(chart.type(QStringLiteral("But") + groupLetter(g), i, scores[i]));
    }

    // Winner and runner-up of groups A to H.
    const std::array<const char *, 8> qualified{
        "Uruguay, Mexico",    "Argentina, Korea Republic", "USA, England",     "Germany, Ghana",
        "Netherlands, Japan", "Paraguay, Slovakia",        "Brazil, Portugal", "Spain, Chile",
    };
    for (GroupId g : allGroups) {
        const QString group(groupLetter(g));
        const QStringList expected = names(qualified[std::size_t(groupIndex(g))]);
        QCOMPARE((QStringList{teamAtRow(chart, group, 46), teamAtRow(chart, group, 63)}), expected);
    }

    const QStringList roundOf16 = names("Uruguay, Korea Republic, USA, Ghana, Argentina, Mexico, Germany, England, "
                                        "Netherlands, Slovakia, Brazil, Chile, Paraguay, Japan, Spain, Portugal");
    QCOMPARE(shownTexts(chart, QStringLiteral("Huit"), 16, 31), roundOf16);

    QVERIFY(chart.click(QStringLiteral("Command1")));
    QCOMPARE(shownTexts(chart, QStringLiteral("Huit"), 0, 15), roundOf16);
    QCOMPARE(shownTexts(chart, QStringLiteral("Qua"), 0, 7), QStringList(8, QStringLiteral("-")));

    QVERIFY(typeRound(chart, knockout2010[0]));
    QCOMPARE(shownTexts(chart, QStringLiteral("Qua"), 0, 7),
             names("Uruguay, Ghana, Netherlands, Brazil, Argentina, Germany, Paraguay, Spain"));
    // Paraguay and Japan drew 0-0; the shoot-out went 5-3.
    QCOMPARE(chart.control(QStringLiteral("Buthui"), 12)->toolTip(), QStringLiteral("5"));
    QCOMPARE(background(chart, QStringLiteral("Huit"), 12), winnerGreen);
    QCOMPARE(background(chart, QStringLiteral("Huit"), 13), neutralWhite);

    QVERIFY(typeRound(chart, knockout2010[1]));
    QCOMPARE(shownTexts(chart, QStringLiteral("DEM"), 0, 3), names("Uruguay, Netherlands, Germany, Spain"));

    QVERIFY(typeRound(chart, knockout2010[2]));
    QCOMPARE(shownTexts(chart, QStringLiteral("FIN"), 0, 1), names("Netherlands, Spain"));
    QCOMPARE(shownTexts(chart, QStringLiteral("pf"), 0, 1), names("Uruguay, Germany"));

    QVERIFY(typeRound(chart, knockout2010[3]));
    QVERIFY(typeRound(chart, knockout2010[4]));
    QCOMPARE(shownTexts(chart, QStringLiteral("pod"), 1, 4), names("Spain, Netherlands, Germany, Uruguay"));
    QCOMPARE(background(chart, QStringLiteral("FIN"), 1), winnerGreen);
    QCOMPARE(chart.shown(QStringLiteral("Label21")), QStringLiteral("145 buts"));

    // Spain's goal against Germany taken back: 0-0 decides nothing, so the
    // final and the match for third place each lose a side, and nobody
    // stands on the podium until the semi-final is decided again.
    QVERIFY(chart.type(QStringLiteral("ButDem"), 3, QStringLiteral("0")));
    QCOMPARE(shownTexts(chart, QStringLiteral("FIN"), 0, 1), names("Netherlands, -"));
    QCOMPARE(shownTexts(chart, QStringLiteral("pf"), 0, 1), names("Uruguay, -"));
    QCOMPARE(background(chart, QStringLiteral("DEM"), 3), neutralWhite);
    QCOMPARE(background(chart, QStringLiteral("FIN"), 1), neutralWhite);
    QCOMPARE(shownTexts(chart, QStringLiteral("pod"), 1, 4), QStringList(4, QString()));
    QCOMPARE(chart.shown(QStringLiteral("Label21")), QStringLiteral("144 buts"));
}

// "1 Tab 1" is a score; the shoot-out comes after both sides' goals.
void TestKnockoutWidget::tabGoesGoalsThenPenalties()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    QVERIFY(chart.click(QStringLiteral("Command1")));
    const RoundCells &round = chart.t.round(Round::QuarterFinals);
    QVERIFY(chart.type(round.goals->name(), 2, QStringLiteral("1")));
    for (char key : {'1', '4', '3'}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    QCOMPARE((QStringList{round.goals->text(2), round.goals->text(3), round.penalties->text(2),
                          round.penalties->text(3)}),
             (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("3")}));
}

// The hint under a match appears, with its text, once a shoot-out stands
// beside goals that decide the match, and goes with the shoot-out.
void TestKnockoutWidget::shootOutHintFollowsTheScore()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    QVERIFY(chart.click(QStringLiteral("Command1")));
    const QList<QLabel *> labels = chart.control(QStringLiteral("Frame9"))->findChildren<QLabel *>();
    const auto hintShown = [&labels] {
        return std::any_of(labels.cbegin(), labels.cend(), [](const QLabel *label) {
            return label->isVisible() && label->text() == QStringLiteral("Tirs au but seulement à égalité");
        });
    };
    QVERIFY(chart.type(QStringLiteral("Buthui"), 0, QStringLiteral("2")));
    QVERIFY(chart.type(QStringLiteral("Buthui"), 1, QStringLiteral("1")));
    QVERIFY(chart.type(QStringLiteral("ButPen"), 0, QStringLiteral("4")));
    QVERIFY(hintShown());
    QVERIFY(chart.type(QStringLiteral("ButPen"), 0, QStringLiteral("-")));
    QVERIFY(!hintShown());
}

QTEST_MAIN(TestKnockoutWidget)
#include "tst_knockoutwidget.moc"

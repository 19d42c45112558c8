// Undo and redo of the user's edits, driven with real keys and clicks
// through the window: the whole chart follows each step.
#include <QLocale>
#include <QTest>

#include "gui/chart/ChartEdits.h"
#include "app/Clock.h"
#include "app/VyloraApp.h"
#include "storage/UserSettings.h"
#include "support/ChartWindow.h"
#include "support/FillGroups.h"
#include "support/FixedClock.h"
#include "support/Results2010.h"
#include "support/TemporaryProgramFolder.h"
#include "support/Words.h"

namespace {

// The texts of every cell of the families, and the rows of the team
// cells: what a step must put back.
QStringList snapshot(const Tournament &t, const QStringList &families)
{
    QStringList cells;
    for (const QString &name : families) {
        const CellFamily &family = *t.findFamily(name);
        for (int i = family.first(); i <= family.last(); ++i)
            cells << QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(name)
                         .arg(i)
                         .arg(family.text(i), family[i].tag)
                         .arg(family[i].row);
    }
    return cells;
}

void press(QWidget *w, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(w, key, modifiers);
}

void undo(QWidget *w)
{
    press(w, Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

class TestUndo final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void undoAndRedoCarryTheWholeChart_data();
    void undoAndRedoCarryTheWholeChart();
    void typingInOneCellIsOneStep();
    void drawOfLotsIsUndone();
    void savedStateAndLoadedChart();
};

void TestUndo::undoAndRedoCarryTheWholeChart_data()
{
    QTest::addColumn<bool>("knockoutPage");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("following");

    // England 1-1 USA becomes 2-1: the table of group C and the round of 16.
    QTest::newRow("group score") << false << "ButC" << 0 << "2" << words("C PTsC BPC DeltaC Huit");
    // Uruguay 2-1 Korea Republic becomes 0-1: the bracket to the podium.
    QTest::newRow("knock-out score") << true << "Buthui" << 0 << "0" << words("Qua DEM pf FIN pod Label21");
}

void TestUndo::undoAndRedoCarryTheWholeChart()
{
    QFETCH(bool, knockoutPage);
    QFETCH(QString, cell);
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QStringList, following);

    ChartWindow chart;
    nameTeams2010(chart.t);
    QVERIFY(chart.start());
    enterResults2010(chart.t);
    if (knockoutPage)
        QVERIFY(chart.click(QStringLiteral("Command1")));
    const QStringList before = snapshot(chart.t, following);

    QVERIFY(chart.type(cell, index, keys));
    const QStringList after = snapshot(chart.t, following);
    QVERIFY(after != before);

    auto *edit = chart.control(cell, index);
    undo(edit);
    QCOMPARE(chart.shown(cell, index), chart.t.family(cell).text(index));
    QCOMPARE(snapshot(chart.t, following), before);
    press(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(chart.shown(cell, index), keys);
    QCOMPARE(snapshot(chart.t, following), after);
    undo(edit);
    press(edit, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(snapshot(chart.t, following), after);
}

// The keys of one run of typing in a cell, the "-" cleaned away included,
// are undone together; each cell is a step of its own.
void TestUndo::typingInOneCellIsOneStep()
{
    ChartWindow chart;
    QVERIFY(chart.start());
    auto *first = chart.control<QLineEdit>(QStringLiteral("ButA"), 0);
    QTest::mouseClick(first, Qt::LeftButton);
    press(first, Qt::Key_End, Qt::NoModifier);
    QTest::keyClicks(first, QStringLiteral("21"));
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 0), QStringLiteral("21"));
    QVERIFY(chart.type(QStringLiteral("ButA"), 1, QStringLiteral("3")));

    auto *second = chart.control(QStringLiteral("ButA"), 1);
    undo(second);
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 1), QStringLiteral("-"));
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 0), QStringLiteral("21"));
    undo(second);
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 0), QStringLiteral("-"));
    QCOMPARE(chart.shown(QStringLiteral("PTs"), 1), QStringLiteral("0"));
    undo(second);
    press(second, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 0), QStringLiteral("21"));
    QCOMPARE(chart.shown(QStringLiteral("ButA"), 1), QStringLiteral("-"));
}

void TestUndo::drawOfLotsIsUndone()
{
    ChartWindow chart;
    chart.t.messages().set(3, QStringLiteral("Tirage au sort !"));
    QVERIFY(chart.start());
    fillGroup(chart.t, GroupId::B, groupScores("1:1 1:1 1:1 1:1 1:1 1:1"));
    const QStringList tied = snapshot(chart.t, {QStringLiteral("B"), QStringLiteral("LabTIRB")});

    QVERIFY(chart.click(QStringLiteral("B"), 1));
    const QStringList drawn = snapshot(chart.t, {QStringLiteral("B"), QStringLiteral("LabTIRB")});
    QVERIFY(drawn != tied);
    undo(chart.control(QStringLiteral("B"), 1));
    QCOMPARE(snapshot(chart.t, {QStringLiteral("B"), QStringLiteral("LabTIRB")}), tied);
    press(chart.control(QStringLiteral("B"), 1), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(snapshot(chart.t, {QStringLiteral("B"), QStringLiteral("LabTIRB")}), drawn);
}

// "Sauve" marks the state that needs no saving; a loaded chart has
// nothing to undo.
void TestUndo::savedStateAndLoadedChart()
{
    TemporaryProgramFolder folder;
    folder.write(QStringLiteral("VYL2010.ini"), "[ButA]\r\n0=1\r\n");
    AnsweringPrompts prompts;
    FixedClock clock{QDateTime(QDate(2010, 6, 11), QTime(12, 0))};
    UserSettings settings;
    VyloraApp app(prompts, clock, settings);
    app.start();
    app.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&app.window()));
    const ChartEdits &edits = app.window().edits();
    QVERIFY(edits.isClean());

    auto *cell = findControl<QLineEdit>(app.window(), QStringLiteral("ButA"), 1);
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClick(cell, '2');
    QVERIFY(!edits.isClean());
    QTest::mouseClick(findControl<QWidget>(app.window(), QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(edits.isClean());

    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClick(cell, '3');
    QVERIFY(!edits.isClean());
    undo(cell);
    QVERIFY(edits.isClean());
    QCOMPARE(cell->text(), QStringLiteral("2"));

    QTest::keyClick(cell, '4');
    app.loadChart(QStringLiteral("VYL2010"));
    QVERIFY(edits.isClean());
    QCOMPARE(cell->text(), QStringLiteral("2"));
    undo(cell);
    QCOMPARE(cell->text(), QStringLiteral("2"));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"

// How long the window takes to answer one keystroke in a score cell, with
// everything that depends on it, next to the rules alone; the 2010 chart
// against the 48-team 2026 chart, whose groups and thirds feed a round of
// 32, with their ratios. The full refresh is shown beside its floor: a
// plain loop over the same scores doing the least arithmetic the tables
// need.

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "BenchSupport.h"
#include "gui/chart/MainWindow.h"
#include "gui/kit/Prompts.h"
#include "predictions/PredictionFile.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/UserSettings.h"
#include "support/FindControl.h"
#include "support/Results2010.h"
#include "support/ShippedCharts.h"
#include "tournament/GroupFixtures.h"
#include "tournament/GroupStage.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

constexpr int runs = 1001;

double medianOf(const std::function<void(int)> &measured)
{
    return medianMicroseconds(
        runs, [](int) {}, measured);
}

void pressDigit(QLineEdit *cell, char digit)
{
    const auto key = Qt::Key(Qt::Key_0 + (digit - '0'));
    const QString text(QLatin1Char{digit});
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(cell, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(cell, &release);
}

// The cell's text selected, as the press of the mouse leaves it, and the
// window's pending paints done, so that no run pays for the one before.
void readyToType(QLineEdit *cell)
{
    QApplication::processEvents();
    cell->selectAll();
}

char digitOfRun(int run, char even, char odd)
{
    return run % 2 == 0 ? even : odd;
}

// A keystroke that alternates between two digits over the selected text,
// so that every press changes the cell. A press that did not reach the
// model would time nothing, so each one is checked, untimed.
double keystroke(const Tournament &t, QLineEdit *cell, char even, char odd, bool withRepaint = false)
{
    const CellFamily &family = *t.findFamily(cell->objectName());
    const int index = cell->property("index").toInt();
    const auto check = [&](int run) {
        if (family.text(index) != QString(QLatin1Char{digitOfRun(run, even, odd)}))
            qFatal("the keystroke of run %d did not reach the model", run);
    };
    const double median = medianMicroseconds(
        runs,
        [&](int run) {
            if (run > 0)
                check(run - 1);
            readyToType(cell);
        },
        [&](int run) {
            pressDigit(cell, digitOfRun(run, even, odd));
            if (withRepaint)
                QApplication::processEvents();
        });
    check(runs - 1);
    return median;
}

// The same two digits typed in turn into the model, as the window hands an
// edit on, with no window to mirror it: the rules alone.
double modelKeystroke(Tournament &t, CellFamily &score, int index, char even, char odd)
{
    return medianOf([&](int run) { t.setText(score, index, QString(QLatin1Char{digitOfRun(run, even, odd)})); });
}

// How many cell properties a keystroke changes, there and back: each one is
// a widget that a window showing the chart updates.
double changesPerKeystroke(Tournament &t, CellFamily &score, int index, char even, char odd)
{
    int changes = 0;
    const int key = t.addObserver([&changes](const CellFamily &, int, CellProperty) { ++changes; });
    const int first = score.text(index) == QString(QLatin1Char{even}) ? 1 : 0;
    for (int run = first; run < first + 2; ++run)
        t.setText(score, index, QString(QLatin1Char{digitOfRun(run, even, odd)}));
    t.removeObserver(key);
    return changes / 2.0;
}

// The least a full refresh has to do: every group's scores read, points
// and goal sums per team, the four teams ordered, every knock-out side's
// total compared with its opponent's; nothing is written.
void plainRefresh(const Tournament &t)
{
    long long sum = 0;
    for (GroupId g : t.groupIds()) {
        const CellFamily &score = *t.group(g).score;
        std::array<int, 4> points{};
        std::array<int, 4> scored{};
        std::array<int, 4> conceded{};
        for (std::size_t m = 0; m < GroupFixtures.size(); ++m) {
            const QString &home = score.text(int(2 * m));
            const QString &away = score.text(int(2 * m + 1));
            if (!plainPlayed(home) || !plainPlayed(away))
                continue;
            const int h = plainGoals(home);
            const int a = plainGoals(away);
            const std::size_t first = std::size_t(GroupFixtures[m].home - 1);
            const std::size_t second = std::size_t(GroupFixtures[m].away - 1);
            points[first] += h > a ? 3 : h == a ? 1 : 0;
            points[second] += a > h ? 3 : h == a ? 1 : 0;
            scored[first] += h;
            conceded[first] += a;
            scored[second] += a;
            conceded[second] += h;
        }
        std::array<int, 4> order{0, 1, 2, 3};
        const auto key = [&](int s) {
            const std::size_t i = std::size_t(s);
            return std::make_tuple(points[i], scored[i] - conceded[i], scored[i]);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) > key(b); });
        sum += order[0] + 4 * order[1];
    }
    for (Round r : t.rounds()) {
        const RoundCells &round = t.round(r);
        for (int side = 0; side + 1 < round.sides; side += 2) {
            const int a = plainGoals(round.goals->text(side)) + plainGoals(round.penalties->text(side));
            const int b = plainGoals(round.goals->text(side + 1)) + plainGoals(round.penalties->text(side + 1));
            sum += a > b;
        }
    }
    benchSink = benchSink + sum;
}

void report(const char *what, double microseconds)
{
    std::printf("%-62s %10.1f us\n", what, microseconds);
}

void reportWithFloor(const char *what, double microseconds, double floor)
{
    std::printf("%-62s %10.1f us   floor %6.2f us (x%.0f)\n", what, microseconds, floor, microseconds / floor);
}

void reportRatio(const char *what, double of2026, double of2010)
{
    std::printf("%-62s %10.2f\n", what, of2026 / of2010);
}

// The refresh and its floor come first, on the chart as shipped.
struct ModelFigures
{
    double refresh;
    double floor;
    double keystroke;
    double changes;
};

ModelFigures modelFigures(Tournament &t, CellFamily &score, int index, char even, char odd)
{
    return {medianOf([&t](int) { RefreshAll(t); }), medianOf([&t](int) { plainRefresh(t); }),
            modelKeystroke(t, score, index, even, odd), changesPerKeystroke(t, score, index, even, odd)};
}

void reportModel(const char *keystroke, const ModelFigures &figures)
{
    std::printf("%-62s %10.1f us   %.0f cell changes\n", keystroke, figures.keystroke, figures.changes);
    reportWithFloor("RefreshAll of the complete chart, model alone", figures.refresh, figures.floor);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Tournament t;
    Prompts prompts;
    UserSettings settings;
    MainWindow window(t, prompts, settings);
    // The window's texts, as every start applies a language file.
    const QString french = QStringLiteral(VYLORA_DATA_DIR "/langFr.txt");
    window.applyLanguageFile(french);
    nameTeams2010(t);
    t.setReady(true);
    RefreshAll(t);
    enterResults2010(t);
    window.show();
    QApplication::processEvents();

    auto *groupCell = findControl<QLineEdit>(window, QStringLiteral("ButC"), 0);
    auto *roundOf16Cell = findControl<QLineEdit>(window, QStringLiteral("Buthui"), 0);
    if (!groupCell || !roundOf16Cell) {
        std::fprintf(stderr, "score cells not found\n");
        return 1;
    }

    std::printf("median of %d runs on the complete 2010 chart\n", runs);
    // England 1-1 USA becomes 2-1 and back: the group's order and the
    // round of 16 change with it.
    const double window2010 = keystroke(t, groupCell, '2', '1');
    const double repainted2010 = keystroke(t, groupCell, '2', '1', true);
    report("keystroke in ButC 0 through the window", window2010);
    report("keystroke in ButC 0 through the window, repaint included", repainted2010);

    // Group A with its last matchday to play: what each team needs is
    // worked out again at every keystroke.
    for (int i = 8; i <= 11; ++i)
        t.setText(*t.group(GroupId::A).score, i, QStringLiteral("-"));
    auto *openGroupCell = findControl<QLineEdit>(window, QStringLiteral("ButA"), 2);
    report("keystroke in ButA 2, group A unfinished, through the window", keystroke(t, openGroupCell, '1', '0'));

    Tournament model;
    nameTeams2010(model);
    model.setReady(true);
    RefreshAll(model);
    enterResults2010(model);
    report("ComputeGroupStandings of group C, model alone",
           medianOf([&model](int) { ComputeGroupStandings(model, GroupId::C); }));
    const ModelFigures of2010 = modelFigures(model, *model.group(GroupId::C).score, 0, '2', '1');
    reportModel("keystroke in ButC 0, model alone", of2010);

    window.toggleKnockoutPanel();
    // Uruguay 2-1 Korea Republic becomes 0-1 and back: the winner changes
    // and carries through the quarter-final, the semi-final and the match
    // for third place to the podium.
    report("keystroke in Buthui 0 through the window", keystroke(t, roundOf16Cell, '0', '2'));

    report("RefreshAll of the complete chart with the window",
           medianMicroseconds(
               runs, [](int) { QApplication::processEvents(); }, [&t](int) { RefreshAll(t); }));
    window.hide();

    // The shipped 2026 chart, loaded into a window as every chart is: the
    // window takes the chart's format and lays out its twelve groups.
    Tournament t48;
    MainWindow window48(t48, prompts, settings);
    window48.applyLanguageFile(french);
    LoadWholeChartDocument(t48, QStringLiteral("VYL2026"),
                           IniDocument(shippedChart(QStringLiteral("VYL2026.ini"))), 0);
    window48.showGroupPage();
    window48.show();
    QApplication::processEvents();
    auto *groupLCell = findControl<QLineEdit>(window48, QStringLiteral("ButL"), 4);
    if (!groupLCell || !groupLCell->isVisible()) {
        std::fprintf(stderr, "the 2026 chart's ButL 4 is not shown\n");
        return 1;
    }
    std::printf("\nmedian of %d runs on the shipped 2026 chart (48 teams, all results)\n", runs);
    // England 0-0 Ghana becomes 1-0 and back: Ghana falls from the best
    // thirds to ninth, and the round of 32 is drawn again from the table.
    const double window2026 = keystroke(t48, groupLCell, '1', '0');
    const double repainted2026 = keystroke(t48, groupLCell, '1', '0', true);
    report("keystroke in ButL 4 through the window", window2026);
    report("keystroke in ButL 4 through the window, repaint included", repainted2026);

    const std::unique_ptr<Tournament> wc48 = loadedPrediction(shippedChart(QStringLiteral("VYL2026.ini")));
    const ModelFigures of2026 = modelFigures(*wc48, *wc48->group(GroupId::L).score, 4, '1', '0');
    reportModel("keystroke in ButL 4, model alone", of2026);

    std::printf("\n2026 / 2010\n");
    reportRatio("keystroke in a group through the window", window2026, window2010);
    reportRatio("keystroke in a group through the window, repaint included", repainted2026, repainted2010);
    reportRatio("keystroke in a group, model alone", of2026.keystroke, of2010.keystroke);
    reportRatio("RefreshAll, model alone", of2026.refresh, of2010.refresh);
    return 0;
}

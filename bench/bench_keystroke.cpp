// How long the window takes to answer one keystroke in a score cell, with
// everything that depends on it, next to the rules alone.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "gui/chart/MainWindow.h"
#include "gui/kit/Prompts.h"
#include "storage/UserSettings.h"
#include "support/FindControl.h"
#include "support/Results2010.h"
#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

constexpr int runs = 1001;

// Median of `measured` in microseconds; `prepare` runs untimed before each
// run, both get the run number.
double medianMicroseconds(const std::function<void(int)> &prepare, const std::function<void(int)> &measured)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        prepare(run);
        const auto start = std::chrono::steady_clock::now();
        measured(run);
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
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

void report(const char *what, double microseconds)
{
    std::printf("%-58s %10.1f us\n", what, microseconds);
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
    report("keystroke in ButC 0 through the window", keystroke(t, groupCell, '2', '1'));
    report("keystroke in ButC 0 through the window, repaint included", keystroke(t, groupCell, '2', '1', true));

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
           medianMicroseconds([](int) {}, [&model](int) { ComputeGroupStandings(model, GroupId::C); }));
    report("RefreshAll of the complete chart, model alone",
           medianMicroseconds([](int) {}, [&model](int) { RefreshAll(model); }));

    window.toggleKnockoutPanel();
    // Uruguay 2-1 Korea Republic becomes 0-1 and back: the winner changes
    // and carries through the quarter-final, the semi-final and the match
    // for third place to the podium.
    report("keystroke in Buthui 0 through the window", keystroke(t, roundOf16Cell, '0', '2'));

    report("RefreshAll of the complete chart with the window",
           medianMicroseconds([](int) { QApplication::processEvents(); }, [&t](int) { RefreshAll(t); }));
    return 0;
}

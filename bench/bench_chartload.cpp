// Median time of loading a shipped chart and refreshing it, as start-up
// does: headless for the 2010 chart and for the 48-team 2026 chart, and
// cold in a window of its own (a fresh window built, the language applied,
// the user's chart loaded and refreshed, the 2026 chart over it for the
// second figure, the window shown and its events processed). Everything runs in
// a temporary program folder seeded with the shipped files, with the
// prompts of a batch run: nothing ever waits for an answer.
// Usage: bench_chartload [RUNS]   (default 200)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "app/BatchPrompts.h"
#include "app/Clock.h"
#include "app/VyloraApp.h"
#include "storage/ChartFile.h"
#include "storage/ChartForm.h"
#include "storage/IniDocument.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"
#include "storage/UserSettings.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

// Outside any namespace: the macro declares the resources' own function.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct HeadlessLoad
{
    double load;    // LoadChart
    double refresh; // LoadChart + RefreshAll
};

// A chart of the program folder loaded into a fresh chart of its format.
HeadlessLoad headlessLoad(const QString &name, int runs)
{
    const FileReading file = readTextFile(ProgramFolder::filePath(name + QStringLiteral(".ini")));
    const ChartForm form = chartFormOf(IniDocument(file.bytes));
    if (!form.rules)
        qFatal("%s: %s", qPrintable(name), qPrintable(form.problem));
    std::vector<double> loadMs;
    std::vector<double> totalMs;
    for (int run = 0; run < runs; ++run) {
        Tournament t(*form.rules);
        const auto start = std::chrono::steady_clock::now();
        LoadChart(t, name, 0);
        const auto loaded = std::chrono::steady_clock::now();
        t.setReady(true);
        RefreshAll(t);
        const auto refreshed = std::chrono::steady_clock::now();
        loadMs.push_back(Milliseconds(loaded - start).count());
        totalMs.push_back(Milliseconds(refreshed - start).count());
    }
    return {median(loadMs), median(totalMs)};
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initResources();
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? args[1].toInt() : 200;
    if (runs < 1) {
        std::fprintf(stderr, "usage: bench_chartload [RUNS]\n");
        return 1;
    }

    // The program folder and the user's settings live apart from the
    // user's own: start-up stores the language.
    const QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.filePath(QStringLiteral("settings")));
    ProgramFolder::setPath(home.filePath(QStringLiteral("data")));
    ProgramFolder::seedFrom(ProgramFolder::shippedFolder());

    const HeadlessLoad of2010 = headlessLoad(QStringLiteral("VYL2010"), runs);
    const HeadlessLoad of2026 = headlessLoad(QStringLiteral("VYL2026"), runs);

    QTextStream err(stderr);
    BatchPrompts prompts(err);
    Clock clock;
    UserSettings settings;
    const int windowRuns = std::max(1, runs / 10);
    // A cold start; with a chart file, that chart shown over the user's
    // as --render --chart shows it.
    const auto coldStart = [&](const QString &chartFile) {
        std::vector<double> windowMs;
        for (int run = 0; run < windowRuns; ++run) {
            const auto start = std::chrono::steady_clock::now();
            {
                VyloraApp vylora(prompts, clock, settings);
                vylora.setHeadless(true);
                vylora.start();
                if (!chartFile.isEmpty())
                    vylora.showChartFile(chartFile);
                vylora.window().show();
                if (!QTest::qWaitForWindowExposed(&vylora.window()))
                    qFatal("the window was never shown");
                QApplication::processEvents();
                windowMs.push_back(Milliseconds(std::chrono::steady_clock::now() - start).count());
            }
            QApplication::processEvents(); // the closed window's events, untimed
        }
        return median(windowMs);
    };
    const double window2010 = coldStart(QString());
    const double window2026 = coldStart(ProgramFolder::filePath(QStringLiteral("VYL2026.ini")));
    if (prompts.told()) {
        std::fprintf(stderr, "the window's start asked or told something: its time is not a plain start\n");
        return 1;
    }

    std::printf("median of %d runs, headless: LoadChart, LoadChart + RefreshAll\n", runs);
    std::printf("  VYL2010.ini (32 teams)  %8.3f ms  %8.3f ms\n", of2010.load, of2010.refresh);
    std::printf("  VYL2026.ini (48 teams)  %8.3f ms  %8.3f ms\n", of2026.load, of2026.refresh);
    std::printf("  2026 / 2010             %8.2f     %8.2f\n", of2026.load / of2010.load,
                of2026.refresh / of2010.refresh);
    std::printf("median of %d cold starts in a shown window\n", windowRuns);
    std::printf("  the user's VYL2010.ini                        %6.1f ms\n", window2010);
    std::printf("  then VYL2026.ini shown over it, as --chart    %6.1f ms   2026 / 2010 %.2f\n", window2026,
                window2026 / window2010);
    return 0;
}

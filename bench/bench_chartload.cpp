// Median time of loading the shipped chart and refreshing it, as start-up
// does: headless, and in the window (which also builds the schedule and
// mirrors every cell). Usage: bench_chartload [CHART.ini] [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include "app/Clock.h"
#include "app/Prompts.h"
#include "app/VyloraApp.h"
#include "storage/ChartFile.h"
#include "storage/UserSettings.h"
#include "storage/ScopedProgramFolder.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QFileInfo chart(args.size() > 1 ? args[1]
                                          : QFileInfo(QString::fromUtf8(__FILE__)).absolutePath()
                                                + QStringLiteral("/../data/VYL2010.ini"));
    const int runs = args.size() > 2 ? args[2].toInt() : 200;
    if (!chart.isFile() || runs < 1) {
        std::fprintf(stderr, "usage: bench_chartload [CHART.ini] [RUNS]\n");
        return 1;
    }

    const ScopedProgramFolder folder(chart.absolutePath());
    std::vector<double> loadMs;
    std::vector<double> totalMs;
    for (int run = 0; run < runs; ++run) {
        Tournament t;
        const auto start = std::chrono::steady_clock::now();
        LoadChart(t, chart.completeBaseName(), 0);
        const auto loaded = std::chrono::steady_clock::now();
        t.setReady(true);
        RefreshAll(t);
        const auto refreshed = std::chrono::steady_clock::now();
        loadMs.push_back(std::chrono::duration<double, std::milli>(loaded - start).count());
        totalMs.push_back(std::chrono::duration<double, std::milli>(refreshed - start).count());
    }

    Prompts prompts;
    Clock clock;
    UserSettings settings;
    VyloraApp vylora(prompts, clock, settings);
    std::vector<double> windowMs;
    for (int run = 0; run < runs; ++run) {
        // An empty chart first, so that every cell of the timed load changes.
        vylora.tournament().setReady(false);
        vylora.loadChart(QStringLiteral("no-such-chart"));
        const auto start = std::chrono::steady_clock::now();
        vylora.loadChart(chart.completeBaseName());
        vylora.tournament().setReady(true);
        RefreshAll(vylora.tournament());
        windowMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }

    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("%s, %d runs: median LoadChart %.3f ms, LoadChart + RefreshAll %.3f ms headless, "
                "%.3f ms in the window\n",
                qPrintable(chart.fileName()), runs, median(loadMs), median(totalMs), median(windowMs));
    return 0;
}

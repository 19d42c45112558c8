// Median time of loading the shipped chart and refreshing it, as start-up
// does: headless, and cold in a window of its own (a fresh window built,
// the language applied, the chart loaded and refreshed, the window shown
// and its events processed). Usage: bench_chartload [CHART.ini] [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "app/Clock.h"
#include "gui/kit/Prompts.h"
#include "app/VyloraApp.h"
#include "storage/ChartFile.h"
#include "storage/ScopedProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QFileInfo chart(args.size() > 1 ? args[1]
                                          : QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() +
                                                QStringLiteral("/../data/VYL2010.ini"));
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

    // The user's own settings stay out of it: start-up stores the language.
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    Prompts prompts;
    Clock clock;
    UserSettings settings;
    std::vector<double> windowMs;
    const int windowRuns = std::max(1, runs / 10);
    for (int run = 0; run < windowRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        {
            VyloraApp vylora(prompts, clock, settings);
            vylora.start();
            vylora.window().show();
            if (!QTest::qWaitForWindowExposed(&vylora.window()))
                return 1;
            QApplication::processEvents();
            windowMs.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        QApplication::processEvents(); // the closed window's events, untimed
    }

    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("%s, median of %d runs: LoadChart %.3f ms, LoadChart + RefreshAll %.3f ms headless; "
                "median of %d cold starts in a shown window %.1f ms\n",
                qPrintable(chart.fileName()), runs, median(loadMs), median(totalMs), windowRuns, median(windowMs));
    return 0;
}

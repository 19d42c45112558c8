// How long scoring a circle of 100 predictions takes against a complete
// results chart: the scoring alone, in the model, over charts already
// loaded (each chart's figures taken once, as the circle and the pool do,
// and for comparison taken afresh at every scoring); and, for scale, loading the 100 prediction files as --score
// and the predictions window do before they score.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include <QCoreApplication>

#include "predictions/PredictionFigures.h"
#include "predictions/PredictionFile.h"
#include "predictions/PredictionScore.h"
#include "support/ResultsChart2010.h"

namespace {

template <typename Work> double medianMilliseconds(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[std::size_t(runs / 2)];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray starting =
        fileBytes(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/VYL2010.ini"));
    Tournament real;
    enterRealResults(real, starting);
    Tournament results;
    loadPrediction(results, chartBytes(real));

    // Each prediction differs from the results in one group match and one
    // knock-out match, so that every rule has work to do.
    std::vector<QByteArray> files;
    for (int i = 0; i < 100; ++i) {
        editCells(real, QStringLiteral("ButA:%1=%2;Buthui:%3=%4").arg(i % 12).arg(i % 4).arg(i % 16).arg(i % 3));
        files.push_back(chartBytes(real));
    }
    std::vector<std::unique_ptr<Tournament>> predictions;
    for (const QByteArray &file : files) {
        predictions.push_back(std::make_unique<Tournament>());
        loadPrediction(*predictions.back(), file);
    }

    long long points = 0; // read back, so that the work cannot be optimised away
    std::vector<PredictionFigures> figures;
    for (const auto &prediction : predictions)
        figures.push_back(predictionFigures(*prediction));
    const PredictionFigures realFigures = predictionFigures(results);
    const double scoringFigures = medianMilliseconds(1001, [&] {
        for (const PredictionFigures &prediction : figures)
            points += scoreFigures(prediction, realFigures).points;
    });
    const double scoring = medianMilliseconds(1001, [&] {
        for (const auto &prediction : predictions)
            points += scorePrediction(*prediction, results).points;
    });
    const double loading = medianMilliseconds(11, [&] {
        for (const QByteArray &file : files) {
            Tournament t;
            loadPrediction(t, file);
        }
    });
    if (points <= 0)
        std::fprintf(stderr, "no prediction scored\n");
    std::printf("100 predictions against the whole of 2010\n");
    std::printf("%-50s %10.3f ms (median of 1001)\n", "scoring the figures taken once", scoringFigures);
    std::printf("%-50s %10.3f ms (median of 1001)\n", "scoring the charts, figures taken each time", scoring);
    std::printf("%-50s %10.1f ms (median of 11)\n", "loading the 100 charts (load and full refresh)", loading);
    return 0;
}

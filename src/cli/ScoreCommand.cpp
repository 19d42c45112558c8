#include "cli/ScoreCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "predictions/PredictionCircle.h"
#include "predictions/PredictionFigures.h"
#include "storage/KeptPredictions.h"
#include "storage/OwnChart.h"
#include "tournament/Tournament.h"

namespace {

QString problemLine(PredictionProblem problem)
{
    switch (problem) {
    case PredictionProblem::Unreadable:
        return QStringLiteral("cannot be read");
    case PredictionProblem::TooLarge:
        return QStringLiteral("larger than 1 MiB, not a chart");
    case PredictionProblem::OtherTournament:
        return QStringLiteral("a chart of another tournament");
    case PredictionProblem::NotAChart:
    case PredictionProblem::None:
        break;
    }
    return QStringLiteral("not a chart");
}

QJsonObject scoreObject(const ScoredPrediction &p, const Tournament &results)
{
    static const QStringList rounds{QStringLiteral("roundOf16"),  QStringLiteral("quarterFinals"),
                                    QStringLiteral("semiFinals"), QStringLiteral("final"),
                                    QStringLiteral("champion"),   QStringLiteral("roundOf32")};
    QJsonObject matches;
    for (int i = 0; i < 6 * results.rules().groups; ++i)
        matches.insert(matchCode(i), p.score.matchPoints[std::size_t(i)]);
    QJsonObject knockout;
    for (int r = 0; r < scoredRounds; ++r)
        if (ScoredRound(r) != ScoredRound::RoundOf32 || results.hasRound(Round::RoundOf32))
            knockout.insert(rounds.at(r), p.score.roundPoints[std::size_t(r)]);
    return {{QStringLiteral("name"), p.name},
            {QStringLiteral("points"), p.score.points},
            {QStringLiteral("exact"), p.score.exact},
            {QStringLiteral("outcomes"), p.score.outcomes},
            {QStringLiteral("knockout"), p.score.knockout},
            {QStringLiteral("rounds"), knockout},
            {QStringLiteral("matches"), matches}};
}

} // namespace

int runScoreCommand(const QString &resultsFile, const QStringList &predictions, bool json, QTextStream &out,
                    QTextStream &err)
{
    const QString resultsPath = resultsFile.isEmpty() ? OwnChart::filePath() : resultsFile;
    const PredictionFile resultsChart = readPredictionFile(resultsPath);
    if (resultsChart.problem != PredictionProblem::None) {
        err << "vylora: results " << resultsPath << ": " << problemLine(resultsChart.problem) << Qt::endl;
        return 1;
    }
    const std::unique_ptr<Tournament> results = loadedPrediction(resultsChart.bytes);
    if (!results) {
        err << "vylora: results " << resultsPath << ": " << problemLine(PredictionProblem::NotAChart)
            << Qt::endl;
        return 1;
    }

    std::vector<PredictionSource> sources;
    for (const QString &path : predictions)
        sources.push_back({predictionName(path), path});
    if (predictions.isEmpty())
        sources = keptPredictionSources();
    PredictionCircle circle = scoreCircle(*results, sources);
    // The kept predictions of other tournaments rank in their own circles.
    if (predictions.isEmpty())
        dropOtherTournaments(circle);
    for (const auto &[name, problem] : circle.refused)
        err << "vylora: prediction " << name << ": " << problemLine(problem) << Qt::endl;

    if (json) {
        QJsonArray ranked;
        for (const ScoredPrediction &p : circle.ranked)
            ranked.append(scoreObject(p, *results));
        out << QJsonDocument(QJsonObject{{QStringLiteral("maximum"), maximumPointsOf(*results)},
                                         {QStringLiteral("predictions"), ranked}})
                   .toJson();
    } else {
        int position = 0;
        for (const ScoredPrediction &p : circle.ranked)
            out << ++position << ". " << p.name << ": " << p.score.points << " points (" << p.score.exact
                << " exact, " << p.score.outcomes << " outcomes, " << p.score.knockout << " knock-out)"
                << Qt::endl;
    }
    out.flush();
    return circle.refused.empty() ? 0 : 1;
}

int runKeepCommand(const QString &name, QTextStream &out, QTextStream &err)
{
    const PredictionFile chart = readPredictionFile(OwnChart::filePath());
    if (chart.problem != PredictionProblem::None) {
        err << "vylora: " << OwnChart::filePath() << ": " << problemLine(chart.problem) << Qt::endl;
        return 1;
    }
    switch (KeptPredictions::keep(name, chart.bytes, false)) {
    case KeptPredictions::KeepResult::Kept:
        out << "kept as " << KeptPredictions::filePath(name) << Qt::endl;
        return 0;
    case KeptPredictions::KeepResult::Exists:
        err << "vylora: a prediction named " << name << " is kept already; nothing replaced" << Qt::endl;
        break;
    case KeptPredictions::KeepResult::BadName:
        err << "vylora: " << name << " cannot name a file; try " << KeptPredictions::fileNameFor(name) << Qt::endl;
        break;
    case KeptPredictions::KeepResult::Failed:
        err << "vylora: could not write " << KeptPredictions::filePath(name) << Qt::endl;
        break;
    }
    return 1;
}

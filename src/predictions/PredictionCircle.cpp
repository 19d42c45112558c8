#include "predictions/PredictionCircle.h"

#include <QFileInfo>

#include "predictions/PredictionFigures.h"
#include "storage/KeptPredictions.h"
#include "tournament/Tournament.h"

std::vector<PredictionSource> keptPredictionSources()
{
    std::vector<PredictionSource> sources;
    for (const QString &name : KeptPredictions::names())
        sources.push_back({name, KeptPredictions::filePath(name)});
    return sources;
}

QString predictionName(const QString &path)
{
    const QString file = QFileInfo(path).fileName();
    return file.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive) ? file.chopped(4) : file;
}

QStringList groupScoreTexts(const Tournament &t)
{
    QStringList texts;
    for (GroupId g : t.groupIds())
        for (int i = 0; i <= 11; ++i)
            texts << t.group(g).score->text(i);
    return texts;
}

PredictionCircle scoreCircle(const Tournament &results, const std::vector<PredictionSource> &sources)
{
    PredictionCircle circle;
    const PredictionFigures real = predictionFigures(results);
    for (const PredictionSource &source : sources) {
        const PredictionFile file = readPredictionFile(source.path);
        if (file.problem != PredictionProblem::None) {
            circle.refused.emplace_back(source.name, file.problem);
            continue;
        }
        const std::unique_ptr<Tournament> prediction = loadedPrediction(file.bytes);
        if (!prediction) {
            circle.refused.emplace_back(source.name, PredictionProblem::NotAChart);
            continue;
        }
        if (!sameTeams(*prediction, results)) {
            circle.refused.emplace_back(source.name, PredictionProblem::OtherTournament);
            continue;
        }
        circle.ranked.push_back(
            {source.name, scoreFigures(predictionFigures(*prediction), real), groupScoreTexts(*prediction)});
    }
    rankPredictions(circle.ranked);
    return circle;
}

void dropOtherTournaments(PredictionCircle &circle)
{
    std::erase_if(circle.refused, [](const auto &refusal) {
        return refusal.second == PredictionProblem::OtherTournament;
    });
}

#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "predictions/PredictionFile.h"
#include "predictions/PredictionRanking.h"

class Tournament;

// A circle of friends' predictions against one results chart:
//
//   prediction files  --readPredictionFile / loadPrediction-->  charts
//   charts, results   --scorePrediction-->  scores  --rankPredictions-->  ranking
//
// What cannot be read, or holds another tournament, is refused by name.
struct PredictionSource
{
    QString name;
    QString path;
};

struct PredictionCircle
{
    std::vector<ScoredPrediction> ranked;
    std::vector<std::pair<QString, PredictionProblem>> refused; // name and why
};

// Every kept prediction, by name.
std::vector<PredictionSource> keptPredictionSources();
// The name a prediction file goes by: its file name without ".ini".
QString predictionName(const QString &path);
QStringList groupScoreTexts(const Tournament &t);
PredictionCircle scoreCircle(const Tournament &results, const std::vector<PredictionSource> &sources);
// Forgets the refusals of whole charts of other tournaments: among the kept
// predictions they are no fault, only another circle.
void dropOtherTournaments(PredictionCircle &circle);

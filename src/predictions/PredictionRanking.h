#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "predictions/PredictionScore.h"

struct ScoredPrediction
{
    QString name;
    PredictionScore score;
    // The 96 group score cells as the prediction holds them, group after
    // group, for the window's match view.
    QStringList groupScores;
};

// Orders by points; equal points by more exact scores, then more right
// outcomes, then the name.
void rankPredictions(std::vector<ScoredPrediction> &predictions);

// The match days of a circle of friends: the three rounds of group matches
// (fixtures 1-2, 3-4 and 5-6 of every group), then the knock-out rounds,
// the final with the champion. The round of 32, where a format has one, is
// day 7, though played before the round of 16: the days keep the numbers
// the pool's pages give them.
inline constexpr int matchDays = 7;
inline constexpr int roundOf32Day = 7;
// A format's days in the order they are played.
std::vector<int> matchDaysInOrder(bool roundOf32);
int matchDayPoints(const PredictionScore &score, int day);
// The index into `ranked` of the prediction that won the day by the same
// order as the ranking, or -1 while nobody scored that day.
int matchDayWinner(const std::vector<ScoredPrediction> &ranked, int day);

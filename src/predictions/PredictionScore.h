#pragma once

#include <array>

class Tournament;

// The rounds a prediction scores in after the groups, in the order the
// points grow: a team of the prediction's round that really reached it is
// worth 1, 2, 3 and 4; the champion predicted as champion 5. The round of
// 32, where a format has one, counts as the round of 16; it comes last so
// that the other rounds keep their places.
enum class ScoredRound { RoundOf16, QuarterFinals, SemiFinals, Final, Champion, RoundOf32 };
inline constexpr int scoredRounds = 6;
inline constexpr std::array<int, scoredRounds> roundWeights{1, 2, 3, 4, 5, 1};

// The group matches of the 2010 chart, and of the largest format.
inline constexpr int groupMatches = 48;
inline constexpr int maxGroupMatches = 72;
inline constexpr int exactPoints = 3;
inline constexpr int outcomePoints = 1;
// 48 exact scores, 16 + 8 + 4 + 2 teams placed, the champion.
inline constexpr int maximumPoints = 201;

struct PredictionScore
{
    int points = 0;
    int exact = 0;    // group matches with the exact score
    int outcomes = 0; // group matches with the right outcome only
    int knockout = 0; // points of the rounds after the groups
    // Match m of group g at 6 g + m, the fixtures' order.
    std::array<int, maxGroupMatches> matchPoints{};
    std::array<int, scoredRounds> roundPoints{};
};

// A prediction against the results, both charts as their own standings and
// bracket left them (a whole-chart load and the full refresh). A match
// counts once both charts hold its two scores; a round once the results
// have teams in it. Scoring many predictions against one result, take
// each chart's figures once (`predictionFigures`) and score those.
PredictionScore scorePrediction(const Tournament &prediction, const Tournament &results);

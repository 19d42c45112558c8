#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "predictions/PredictionScore.h"

class Tournament;

// A chart as the scoring reads it, taken from its cells once: the 48 group
// scores as numbers, and the teams of each knock-out round and the
// champion as team slots (group g, slot s at 4 g + s - 1). Every rule then
// runs over these arrays, never over the cells again, so that a pool of a
// thousand players is scored in a blink.
struct MatchFigures
{
    bool played = false;
    double home = 0;
    double away = 0;

    bool operator==(const MatchFigures &) const = default;
};

inline constexpr int teamSlots = 48;      // the largest format's
inline constexpr int roundsWithTeams = 4; // round of 16 .. final
using TeamSet = std::uint64_t;            // bit s: team slot s

struct PredictionFigures
{
    std::array<MatchFigures, maxGroupMatches> matches{};
    std::array<TeamSet, roundsWithTeams> rounds{};
    TeamSet roundOf32 = 0; // empty in a format without one
    int champion = -1;     // team slot, -1 while unknown
    int groups = 8;

    bool operator==(const PredictionFigures &) const = default;
};

// Both charts must be of one format and name the same teams slot by slot (`sameTeams`), as
// every scored prediction does.
PredictionFigures predictionFigures(const Tournament &t);
PredictionScore scoreFigures(const PredictionFigures &prediction, const PredictionFigures &results);

// The most points the prediction can still reach while the results are
// incomplete: every group match not yet played that it predicts scores
// exact, and every team of its bracket not yet out reaches its round.
int reachablePoints(const PredictionFigures &prediction, const PredictionFigures &results,
                    const PredictionScore &score);

// The most a prediction of t's format can score: 201 in the 2010 chart.
int maximumPointsOf(const Tournament &t);

// "A1" .. "L6", match m of group g at 6 g + m, as `--score --json` names them.
QString matchCode(int match);
// -1 for a text that names no group match.
int matchOfCode(QStringView code);

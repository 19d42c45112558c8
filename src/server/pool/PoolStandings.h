#pragma once

#include <array>
#include <vector>

#include <QDateTime>

#include "predictions/PredictionFigures.h"
#include "predictions/PredictionRanking.h"
#include "server/pool/PoolLocks.h"
#include "server/pool/PoolStore.h"

// A prediction as everyone may see it now: the parts not yet locked are
// left out, so neither a score nor its points tell what a player sent
// before the kick-off.
PredictionFigures sealedFigures(const PredictionFigures &sent, const PoolLocks &locks, const QDateTime &now);

// The pool's ranking against the published results: the program's own
// scoring and order, the winner of each match day, and for each player
// the most points still reachable.
struct PoolStandings
{
    std::vector<ScoredPrediction> ranked;
    std::vector<int> reachable;              // beside `ranked`
    std::array<int, matchDays> dayWinners{}; // index into `ranked`, -1 for none

    bool canStillWin(std::size_t i) const
    {
        return !ranked.empty() && reachable[i] >= ranked.front().score.points;
    }
};

PoolStandings poolStandings(const std::vector<PoolStore::Player> &players, const PredictionFigures &results,
                            const PoolLocks &locks, const QDateTime &now);

#include "server/pool/PoolStandings.h"

#include <QHash>

#include "predictions/MatchDayOver.h"

PredictionFigures sealedFigures(const PredictionFigures &sent, const PoolLocks &locks, const QDateTime &now)
{
    PredictionFigures shown;
    for (int m = 0; m < groupMatches; ++m)
        if (locks.matchLocked(m, now))
            shown.matches[std::size_t(m)] = sent.matches[std::size_t(m)];
    if (locks.bracketLocked(now)) {
        shown.rounds = sent.rounds;
        shown.champion = sent.champion;
    }
    return shown;
}

PoolStandings poolStandings(const std::vector<PoolStore::Player> &players, const PredictionFigures &results,
                            const PoolLocks &locks, const QDateTime &now)
{
    PoolStandings standings;
    std::vector<PredictionFigures> shown;
    shown.reserve(players.size());
    standings.ranked.reserve(players.size());
    for (const PoolStore::Player &player : players) {
        shown.push_back(sealedFigures(player.figures, locks, now));
        standings.ranked.push_back({player.pseudo, scoreFigures(shown.back(), results), {}});
    }
    // The order is the program's; reaching back to each player's figures
    // goes by the pseudo, which the store keeps unique.
    QHash<QString, std::size_t> sentBy;
    for (std::size_t i = 0; i < players.size(); ++i)
        sentBy.insert(players[i].pseudo, i);
    rankPredictions(standings.ranked);
    // A part not yet locked may still be changed into the best there is.
    int open = locks.bracketLocked(now) ? 0 : maximumPoints - groupMatches * exactPoints;
    for (int m = 0; m < groupMatches; ++m)
        open += locks.matchLocked(m, now) ? 0 : exactPoints;
    for (const ScoredPrediction &p : standings.ranked)
        standings.reachable.push_back(reachablePoints(shown[sentBy.value(p.name)], results, p.score) + open);
    for (int day = 0; day < matchDays; ++day)
        standings.dayWinners[std::size_t(day)] =
            matchDayOver(results, day) ? matchDayWinner(standings.ranked, day) : -1;
    return standings;
}

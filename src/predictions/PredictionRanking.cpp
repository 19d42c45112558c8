#include "predictions/PredictionRanking.h"

#include <algorithm>
#include <tuple>

#include "history/NameOrder.h"
#include "tournament/GroupId.h"

namespace {

constexpr int groupDays = 3;

int dayExact(const PredictionScore &score, int day)
{
    int exact = 0;
    for (int g = 0; g < maxGroups && day < groupDays; ++g)
        for (int m = 2 * day; m < 2 * day + 2; ++m)
            exact += score.matchPoints[std::size_t(g * 6 + m)] == exactPoints;
    return exact;
}

bool before(const ScoredPrediction &a, const ScoredPrediction &b)
{
    const auto key = [](const ScoredPrediction &p) {
        return std::tuple(-p.score.points, -p.score.exact, -p.score.outcomes);
    };
    if (key(a) != key(b))
        return key(a) < key(b);
    return alphabeticallyBefore(a.name, b.name);
}

} // namespace

void rankPredictions(std::vector<ScoredPrediction> &predictions)
{
    std::stable_sort(predictions.begin(), predictions.end(), before);
}

std::vector<int> matchDaysInOrder(bool roundOf32)
{
    std::vector<int> days{0, 1, 2};
    if (roundOf32)
        days.push_back(roundOf32Day);
    for (int day = groupDays; day < matchDays; ++day)
        days.push_back(day);
    return days;
}

int matchDayPoints(const PredictionScore &score, int day)
{
    if (day == roundOf32Day)
        return score.roundPoints[std::size_t(ScoredRound::RoundOf32)];
    if (day >= groupDays) {
        const int round = day - groupDays;
        return score.roundPoints[std::size_t(round)] +
               (round == int(ScoredRound::Final) ? score.roundPoints[std::size_t(ScoredRound::Champion)] : 0);
    }
    int points = 0;
    for (int g = 0; g < maxGroups; ++g)
        for (int m = 2 * day; m < 2 * day + 2; ++m)
            points += score.matchPoints[std::size_t(g * 6 + m)];
    return points;
}

int matchDayWinner(const std::vector<ScoredPrediction> &ranked, int day)
{
    int winner = -1;
    for (int i = 0; i < int(ranked.size()); ++i) {
        const PredictionScore &score = ranked[std::size_t(i)].score;
        const int points = matchDayPoints(score, day);
        if (points == 0)
            continue;
        // The ranking order already settles names; the day's exact scores
        // come before it.
        if (winner < 0 || points > matchDayPoints(ranked[std::size_t(winner)].score, day) ||
            (points == matchDayPoints(ranked[std::size_t(winner)].score, day) &&
             dayExact(score, day) > dayExact(ranked[std::size_t(winner)].score, day)))
            winner = i;
    }
    return winner;
}

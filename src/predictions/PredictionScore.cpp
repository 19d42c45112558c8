#include "predictions/PredictionScore.h"

#include <QSet>

#include "tournament/GroupFixtures.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

namespace {

struct MatchScore
{
    bool played = false;
    double home = 0;
    double away = 0;
};

MatchScore matchScore(const Tournament &t, GroupId g, int match)
{
    const CellFamily &score = *t.group(g).score;
    const QString &home = score.text(2 * match);
    const QString &away = score.text(2 * match + 1);
    if (!isPlayed(home) || !isPlayed(away))
        return {};
    return {true, numericValue(home), numericValue(away)};
}

int outcome(const MatchScore &m)
{
    return (m.home > m.away) - (m.home < m.away);
}

// The teams a chart's bracket put into a round; a slot not yet known ("-"
// or empty) is nobody.
QSet<QString> teamsOf(const Tournament &t, Round round)
{
    const RoundCells &cells = t.round(round);
    QSet<QString> teams;
    for (int side = 0; side < cells.sides; ++side)
        if (const QString &team = cells.team->text(side); !team.isEmpty() && team != u"-")
            teams.insert(team);
    return teams;
}

constexpr std::array<Round, 4> roundsWithTeams{Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals,
                                               Round::Final};

} // namespace

PredictionScore scorePrediction(const Tournament &prediction, const Tournament &results)
{
    PredictionScore score;
    for (GroupId g : allGroups) {
        for (int m = 0; m < int(GroupFixtures.size()); ++m) {
            const MatchScore predicted = matchScore(prediction, g, m);
            const MatchScore real = matchScore(results, g, m);
            if (!predicted.played || !real.played)
                continue;
            int &points = score.matchPoints[std::size_t(groupIndex(g) * 6 + m)];
            if (predicted.home == real.home && predicted.away == real.away) {
                points = exactPoints;
                ++score.exact;
            } else if (outcome(predicted) == outcome(real)) {
                points = outcomePoints;
                ++score.outcomes;
            }
            score.points += points;
        }
    }
    for (std::size_t r = 0; r < roundsWithTeams.size(); ++r) {
        const QSet<QString> reached = teamsOf(results, roundsWithTeams[r]);
        for (const QString &team : teamsOf(prediction, roundsWithTeams[r]))
            if (reached.contains(team))
                score.roundPoints[r] += roundWeights[r];
    }
    const QString &champion = results.podium().text(1);
    if (!champion.isEmpty() && prediction.podium().text(1) == champion)
        score.roundPoints[std::size_t(ScoredRound::Champion)] = roundWeights[std::size_t(ScoredRound::Champion)];
    for (int points : score.roundPoints)
        score.knockout += points;
    score.points += score.knockout;
    return score;
}

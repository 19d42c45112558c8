#include "predictions/PredictionFigures.h"

#include <bit>

#include "tournament/GroupFixtures.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

namespace {

constexpr std::array<Round, roundsWithTeams> scoredBracket{Round::RoundOf16, Round::QuarterFinals,
                                                           Round::SemiFinals, Round::Final};

int slotOf(const std::array<QString, teamSlots> &teams, const QString &team)
{
    if (team.isEmpty() || team == u"-")
        return -1;
    for (int s = 0; s < teamSlots; ++s)
        if (teams[std::size_t(s)] == team)
            return s;
    return -1;
}

int outcome(const MatchFigures &m)
{
    return (m.home > m.away) - (m.home < m.away);
}

TeamSet bit(int slot)
{
    return slot < 0 ? 0 : TeamSet(1) << slot;
}

} // namespace

PredictionFigures predictionFigures(const Tournament &t)
{
    PredictionFigures figures;
    figures.groups = int(t.groupIds().size());
    std::array<QString, teamSlots> teams;
    for (GroupId g : t.groupIds()) {
        const GroupCells &group = t.group(g);
        for (int slot = 1; slot <= 4; ++slot)
            teams[std::size_t(groupIndex(g) * 4 + slot - 1)] = group.team->text(slot);
        for (int m = 0; m < int(GroupFixtures.size()); ++m) {
            const QString &home = group.score->text(2 * m);
            const QString &away = group.score->text(2 * m + 1);
            if (isPlayed(home) && isPlayed(away))
                figures.matches[std::size_t(groupIndex(g) * 6 + m)] = {true, numericValue(home),
                                                                       numericValue(away)};
        }
    }
    for (std::size_t r = 0; r < scoredBracket.size(); ++r) {
        const RoundCells &cells = t.round(scoredBracket[r]);
        for (int side = 0; side < cells.sides; ++side)
            figures.rounds[r] |= bit(slotOf(teams, cells.team->text(side)));
    }
    if (t.hasRound(Round::RoundOf32)) {
        const RoundCells &cells = t.round(Round::RoundOf32);
        for (int side = 0; side < cells.sides; ++side)
            figures.roundOf32 |= bit(slotOf(teams, cells.team->text(side)));
    }
    figures.champion = slotOf(teams, t.podium().text(1));
    return figures;
}

PredictionScore scoreFigures(const PredictionFigures &prediction, const PredictionFigures &results)
{
    PredictionScore score;
    for (std::size_t i = 0; i < prediction.matches.size(); ++i) {
        const MatchFigures &predicted = prediction.matches[i];
        const MatchFigures &real = results.matches[i];
        if (!predicted.played || !real.played)
            continue;
        int &points = score.matchPoints[i];
        if (predicted.home == real.home && predicted.away == real.away) {
            points = exactPoints;
            ++score.exact;
        } else if (outcome(predicted) == outcome(real)) {
            points = outcomePoints;
            ++score.outcomes;
        }
        score.points += points;
    }
    for (std::size_t r = 0; r < scoredBracket.size(); ++r)
        score.roundPoints[r] = roundWeights[r] * std::popcount(prediction.rounds[r] & results.rounds[r]);
    constexpr auto roundOf32 = std::size_t(ScoredRound::RoundOf32);
    score.roundPoints[roundOf32] =
        roundWeights[roundOf32] * std::popcount(prediction.roundOf32 & results.roundOf32);
    constexpr auto champion = std::size_t(ScoredRound::Champion);
    if (results.champion >= 0 && prediction.champion == results.champion)
        score.roundPoints[champion] = roundWeights[champion];
    for (int points : score.roundPoints)
        score.knockout += points;
    score.points += score.knockout;
    return score;
}

int reachablePoints(const PredictionFigures &prediction, const PredictionFigures &results,
                    const PredictionScore &score)
{
    int reachable = score.points;
    for (std::size_t i = 0; i < prediction.matches.size(); ++i)
        if (prediction.matches[i].played && !results.matches[i].played)
            reachable += exactPoints;
    // A team is out of a round once the round before it is complete
    // without it, or the round itself is complete without it.
    TeamSet stillIn = ~TeamSet(0);
    auto reach = [&](TeamSet predicted, TeamSet real, Round round, int weight) {
        if (std::popcount(real) >= roundSides(round))
            stillIn = real;
        else
            reachable += weight * std::popcount(predicted & stillIn & ~real);
    };
    if (prediction.roundOf32 != 0)
        reach(prediction.roundOf32, results.roundOf32, Round::RoundOf32,
              roundWeights[std::size_t(ScoredRound::RoundOf32)]);
    for (std::size_t r = 0; r < scoredBracket.size(); ++r)
        reach(prediction.rounds[r], results.rounds[r], scoredBracket[r], roundWeights[r]);
    constexpr auto champion = std::size_t(ScoredRound::Champion);
    if (results.champion < 0 && (bit(prediction.champion) & stillIn))
        reachable += roundWeights[champion];
    return reachable;
}

int maximumPointsOf(const Tournament &t)
{
    constexpr auto weight = [](ScoredRound r) { return roundWeights[std::size_t(r)]; };
    int points = 6 * t.rules().groups * exactPoints + weight(ScoredRound::Champion);
    if (t.hasRound(Round::RoundOf32))
        points += weight(ScoredRound::RoundOf32) * roundSides(Round::RoundOf32);
    for (std::size_t r = 0; r < scoredBracket.size(); ++r)
        points += roundWeights[r] * roundSides(scoredBracket[r]);
    return points;
}

QString matchCode(int match)
{
    return QChar(u'A' + match / 6) + QString::number(match % 6 + 1);
}

int matchOfCode(QStringView code)
{
    if (code.size() != 2 || code[0] < u'A' || code[0] > u'L' || code[1] < u'1' || code[1] > u'6')
        return -1;
    return (code[0].unicode() - u'A') * 6 + (code[1].unicode() - u'1');
}

#include "history/GoalsByTeam.h"

#include <algorithm>

#include "history/NameOrder.h"
#include "tournament/GroupFixtures.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

namespace {

double scoreValue(const QString &text)
{
    return isPlayed(text) ? numericValue(text) : 0;
}

double goalsOf(const Tournament &t, const QString &team)
{
    double goals = 0;
    for (GroupId g : allGroups) {
        const GroupCells &cells = t.group(g);
        for (int i = 0; i <= 11; ++i)
            if (cells.team->text(slotOfLabel(i)) == team)
                goals += scoreValue(cells.score->text(i));
    }
    for (Round r : allRounds) {
        const RoundCells &round = t.round(r);
        for (int side = 0; side < round.sides; ++side)
            if (round.team->text(side) == team)
                goals += scoreValue(round.goals->text(side));
    }
    return goals;
}

} // namespace

GoalsByTeam goalsByTeam(const Tournament &t, const TeamList &teams)
{
    GoalsByTeam result;
    for (std::size_t i = 1; i < teams.size(); ++i) {
        const double goals = goalsOf(t, teams[i]);
        result.teams.push_back({teams[i], goals});
        result.total += goals;
    }
    std::stable_sort(result.teams.begin(), result.teams.end(), [](const TeamGoals &a, const TeamGoals &b) {
        if (a.goals != b.goals)
            return a.goals > b.goals;
        return alphabeticallyBefore(b.team, a.team);
    });
    return result;
}

QString goalsLine(const TeamGoals &team)
{
    return u' ' + team.team + QStringLiteral(" (") + formatNumber(team.goals) + u')';
}

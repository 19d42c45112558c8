#include "history/GoalsByTeam.h"

#include <algorithm>

#include <QStringList>

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
    for (GroupId g : t.groupIds()) {
        const GroupCells &cells = t.group(g);
        for (int i = 0; i <= 11; ++i)
            if (cells.team->text(slotOfLabel(i)) == team)
                goals += scoreValue(cells.score->text(i));
    }
    for (Round r : t.rounds()) {
        const RoundCells &round = t.round(r);
        for (int side = 0; side < round.sides; ++side)
            if (round.team->text(side) == team)
                goals += scoreValue(round.goals->text(side));
    }
    return goals;
}

GoalsByTeam goalsOfTeams(const Tournament &t, const QStringList &teams)
{
    GoalsByTeam result;
    for (const QString &team : teams) {
        const double goals = goalsOf(t, team);
        result.teams.push_back({team, goals});
        result.total += goals;
    }
    std::stable_sort(result.teams.begin(), result.teams.end(), [](const TeamGoals &a, const TeamGoals &b) {
        if (a.goals != b.goals)
            return a.goals > b.goals;
        return alphabeticallyBefore(b.team, a.team);
    });
    return result;
}

} // namespace

GoalsByTeam goalsByTeam(const Tournament &t, const TeamList &teams)
{
    return goalsOfTeams(t, QStringList(teams.begin() + 1, teams.end()));
}

// The 2010 chart lists its teams by the rows they stand on, which the
// other formats' cards do not use.
GoalsByTeam goalsByTeam(const Tournament &t)
{
    if (t.rules().isWc32()) {
        TeamList teams;
        ChargeInfo(t, teams);
        return goalsByTeam(t, teams);
    }
    QStringList teams;
    for (GroupId g : t.groupIds())
        for (int slot = 1; slot <= 4; ++slot)
            teams << t.group(g).team->text(slot);
    return goalsOfTeams(t, teams);
}

QString goalsLine(const TeamGoals &team)
{
    return u' ' + team.team + QStringLiteral(" (") + formatNumber(team.goals) + u')';
}

#pragma once

#include <vector>

#include <QString>

#include "tournament/TeamList.h"

class Tournament;

struct TeamGoals
{
    QString team;
    double goals = 0;
};

struct GoalsByTeam
{
    std::vector<TeamGoals> teams; // most goals first; equal goals in reverse alphabetical order
    double total = 0;
};

// Goals of each team of the list: the group score cells of its matches and
// the knock-out goal cells beside its name (names compared exactly),
// penalties never. An unplayed cell counts 0.
GoalsByTeam goalsByTeam(const Tournament &t, const TeamList &teams);
// The same for every team of the chart's groups, whatever its format.
GoalsByTeam goalsByTeam(const Tournament &t);

// " Name (goals)", as the statistics window lists a team.
QString goalsLine(const TeamGoals &team);

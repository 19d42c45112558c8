#include "tournament/RefreshAll.h"

#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/Tournament.h"

void RefreshAll(Tournament &t)
{
    t.holdGoalTotal(true);
    RefreshMatchLabels(t);
    for (GroupId g : allGroups)
        ComputeGroupStandings(t, g);
    SeedRoundOf16(t);
    AdvanceRoundOf16(t);
    AdvanceQuarterFinals(t);
    ResetTeamRows(t);
    t.holdGoalTotal(false);
    RefreshGoalTotal(t);
}

#include "tournament/RefreshAll.h"

#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/Tournament.h"

void RefreshAll(Tournament &t)
{
    RefreshMatchLabels(t);
    for (GroupId g : allGroups)
        ComputeGroupStandings(t, g);
    SeedRoundOf16(t);
    AdvanceRoundOf16(t);
    AdvanceQuarterFinals(t);
    ResetTeamRows(t);
    RefreshGoalTotal(t);
}

#include "tournament/RefreshAll.h"

#include "tournament/FormatStage.h"
#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/Tournament.h"

void RefreshAll(Tournament &t)
{
    t.holdGoalTotal(true);
    RefreshMatchLabels(t);
    if (t.rules().isWc32()) {
        for (GroupId g : t.groupIds())
            writeGroupStandings(t, g);
        SeedRoundOf16(t);
        AdvanceRoundOf16(t);
    } else {
        for (GroupId g : t.groupIds())
            computeFormatGroup(t, g);
        refreshFormatKnockout(t);
    }
    ResetTeamRows(t);
    t.holdGoalTotal(false);
    RefreshGoalTotal(t);
}

#include "storage/UnsavedChanges.h"

#include "storage/ChartFile.h"
#include "tournament/Tournament.h"

namespace {

bool sameTexts(const CellFamily &a, const CellFamily &b, int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (a.text(i) != b.text(i))
            return false;
    return true;
}

} // namespace

bool hasUnsavedChanges(const Tournament &t)
{
    // The file read the way the window reads it, with nothing recomputed.
    Tournament saved;
    LoadChart(saved, t.chartName(), 0);
    for (GroupId g : allGroups) {
        const GroupCells &now = t.group(g);
        const GroupCells &then = saved.group(g);
        if (!sameTexts(*now.score, *then.score, 0, 11) || !sameTexts(*now.team, *then.team, 1, 4))
            return true;
        for (int slot = 1; slot <= 4; ++slot)
            if ((*now.team)[slot].tag != (*then.team)[slot].tag)
                return true;
    }
    for (Round r : allRounds) {
        const RoundCells &now = t.round(r);
        const RoundCells &then = saved.round(r);
        if (!sameTexts(*now.goals, *then.goals, 0, now.sides - 1) ||
            !sameTexts(*now.penalties, *then.penalties, 0, now.sides - 1))
            return true;
    }
    return false;
}

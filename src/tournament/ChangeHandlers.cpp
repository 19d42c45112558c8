#include "tournament/ChangeHandlers.h"

#include "tournament/FormatStage.h"
#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/Tournament.h"

namespace {

// Which part of the bracket an edit re-runs. A final edit re-runs from the
// quarter-finals; a third-place edit only needs the podium matches, but the
// goal total must follow it too.
void rerunFrom(Tournament &t, Round r)
{
    if (!t.rules().isWc32()) {
        WalkBracket(t);
        return;
    }
    switch (r) {
    case Round::RoundOf16:
        AdvanceRoundOf16(t);
        break;
    case Round::QuarterFinals:
    case Round::Final:
        AdvanceQuarterFinals(t);
        break;
    case Round::SemiFinals:
        AdvanceSemiFinals(t);
        break;
    case Round::ThirdPlace:
        DecideFinal(t);
        RefreshGoalTotal(t);
        break;
    case Round::RoundOf32:
        break;
    }
}

// Cleans the cell; the cleaned text is itself a change, so the handler
// re-enters once and only that inner pass goes on to recompute.
bool cleanScore(Tournament &t, CellFamily &f, int index)
{
    const QString cleaned = cleanedScoreText(f.text(index));
    if (cleaned == f.text(index))
        return false;
    t.setText(f, index, cleaned);
    return true;
}

} // namespace

void installChangeHandlers(Tournament &t)
{
    for (GroupId g : t.groupIds()) {
        CellFamily &score = *t.group(g).score;
        t.setChangeHandler(score, [&t, &score, g](int i) {
            if (!cleanScore(t, score, i) && t.isReady())
                ComputeGroupStandings(t, g);
        });
        t.setChangeHandler(*t.group(g).team, [&t](int) {
            if (!t.isReady())
                return;
            RefreshMatchLabels(t);
            // The 2010 chart takes a renamed team into its bracket only
            // when the knock-out page opens; the other formats at once.
            if (!t.rules().isWc32())
                refreshFormatKnockout(t);
        });
        if (CellFamily *conduct = t.group(g).conduct)
            t.setChangeHandler(*conduct, [&t, g](int) {
                if (t.isReady())
                    ComputeGroupStandings(t, g);
            });
    }
    for (Round r : t.rounds()) {
        for (CellFamily *cells : {t.round(r).goals, t.round(r).penalties}) {
            t.setChangeHandler(*cells, [&t, cells, r](int i) {
                if (!cleanScore(t, *cells, i) && t.isReady())
                    rerunFrom(t, r);
            });
        }
    }
}

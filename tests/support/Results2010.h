#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "support/FillGroups.h"
#include "tournament/GroupId.h"
#include "tournament/Tournament.h"

// The real 2010 tournament, so that a whole chart is one that people know.
struct GroupResults
{
    std::array<const char *, 4> teams; // slots 1 to 4
    const char *scores;                 // six matches in fixture order, as for groupScores
};

constexpr std::array<GroupResults, 8> groups2010{{
    {{"South Africa", "Mexico", "Uruguay", "France"}, "1:1 0:0 0:3 0:2 1:2 0:1"},
    {{"Argentina", "Nigeria", "Korea Republic", "Greece"}, "1:0 2:0 4:1 2:1 0:2 2:2"},
    {{"England", "USA", "Algeria", "Slovenia"}, "1:1 0:1 0:0 2:2 0:1 1:0"},
    {{"Germany", "Australia", "Serbia", "Ghana"}, "4:0 0:1 0:1 1:1 0:1 2:1"},
    {{"Netherlands", "Denmark", "Japan", "Cameroon"}, "2:0 1:0 1:0 1:2 1:2 1:3"},
    {{"Italy", "Paraguay", "New Zealand", "Slovakia"}, "1:1 1:1 1:1 0:2 3:2 0:0"},
    {{"Brazil", "Korea DPR", "Côte d'Ivoire", "Portugal"}, "2:1 0:0 3:1 7:0 0:0 0:3"},
    {{"Spain", "Switzerland", "Honduras", "Chile"}, "0:1 0:1 2:0 1:0 1:2 0:0"},
}};

// Goals and penalties of every side in bracket order, "-" where no
// shoot-out was needed.
struct RoundResults
{
    Round round;
    const char *goals;
    const char *penalties;
};

constexpr std::array<RoundResults, 5> knockout2010{{
    {Round::RoundOf16, "2 1 1 2 3 1 4 1 2 1 3 0 0 0 1 0", "- - - - - - - - - - - - 5 3 - -"},
    {Round::QuarterFinals, "1 1 2 1 0 4 0 1", "4 2 - - - - - -"},
    {Round::SemiFinals, "2 3 0 1", "- - - -"},
    {Round::ThirdPlace, "2 3", "- -"},
    {Round::Final, "0 1", "- -"},
}};

inline QStringList sideTexts(const char *line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

inline void nameTeams2010(Tournament &t)
{
    for (GroupId g : allGroups)
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*t.group(g).team, slot,
                      QString::fromUtf8(groups2010[std::size_t(groupIndex(g))].teams[std::size_t(slot - 1)]));
}

// Every score of the tournament as cell edits, round after round, so that
// each round finds its teams already carried forward.
inline void enterResults2010(Tournament &t)
{
    for (GroupId g : allGroups)
        fillGroup(t, g, groupScores(groups2010[std::size_t(groupIndex(g))].scores));
    for (const RoundResults &results : knockout2010) {
        const RoundCells &round = t.round(results.round);
        const QStringList goals = sideTexts(results.goals);
        const QStringList penalties = sideTexts(results.penalties);
        for (int side = 0; side < round.sides; ++side) {
            t.setText(*round.goals, side, goals.at(side));
            t.setText(*round.penalties, side, penalties.at(side));
        }
    }
}

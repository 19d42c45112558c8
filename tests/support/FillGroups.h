#pragma once

#include <QString>
#include <QStringList>

#include "tournament/GroupId.h"
#include "tournament/Tournament.h"

// Six matches in fixture order, "home:away" each, "-" for a side not yet
// played and nothing beside the colon for the empty text. The fixtures are
// slots 1v2 3v4 1v3 4v2 4v1 2v3, so the text reads like the rows of a
// group panel.
inline QStringList groupScores(const char *matches)
{
    QStringList cells;
    for (const QString &match : QString::fromUtf8(matches).split(u' ', Qt::SkipEmptyParts))
        cells << match.split(u':');
    if (cells.size() != 12)
        qFatal("groupScores: \"%s\" is not six matches", matches);
    return cells;
}

// Types the twelve texts into the group's score cells, cell 0 first, each
// one a change event as the user's typing would be.
inline void fillGroup(Tournament &t, GroupId g, const QStringList &scores)
{
    for (int i = 0; i < 12; ++i)
        t.setText(*t.group(g).score, i, scores.at(i));
}

// The lower slot wins every match 1-0: slot 1 wins the group, slot 2 is
// runner-up, slot 3 third.
constexpr const char *slotOrderResults = "1:0 1:0 1:0 0:1 0:1 1:0";

// Team names that say where they come from: "A1" .. "H4".
inline void nameTeamsByGroupAndSlot(Tournament &t)
{
    for (GroupId g : allGroups)
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*t.group(g).team, slot, QString(groupLetter(g)) + QString::number(slot));
}

inline void completeAllGroupsInSlotOrder(Tournament &t)
{
    for (GroupId g : allGroups)
        fillGroup(t, g, groupScores(slotOrderResults));
}

#pragma once

#include <QString>

#include "tournament/Tournament.h"

// Two charts that differ in every score and team name and in length, so
// that a file cut short or mixed from both cannot pass for either.
inline void fillSaveVariant(Tournament &t, int variant)
{
    const QString score = variant == 0 ? QStringLiteral("1") : QStringLiteral("22");
    for (GroupId g : allGroups) {
        const GroupCells &cells = t.group(g);
        for (int i = 0; i <= 11; ++i)
            t.setText(*cells.score, i, score);
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*cells.team, slot,
                      (variant == 0 ? QStringLiteral("Alpha ") : QStringLiteral("Beta team number ")) +
                          groupLetter(g) + QString::number(slot));
    }
}

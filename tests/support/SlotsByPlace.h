#pragma once

#include <QList>

#include "tournament/GroupFixtures.h"
#include "tournament/GroupId.h"
#include "tournament/Tournament.h"

// The group's table as the panel shows it: the slot whose team-name cell
// stands at the row of place 1, then place 2, ... (0 where no cell does).
inline QList<int> slotsByPlace(const Tournament &t, GroupId g)
{
    QList<int> slots;
    for (int place = 1; place <= 4; ++place) {
        int found = 0;
        for (int slot = 1; slot <= 4; ++slot)
            if ((*t.group(g).team)[slot].row == placeRow(place))
                found = slot;
        slots << found;
    }
    return slots;
}

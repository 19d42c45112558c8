#pragma once

#include <array>

#include <QList>

#include "tournament/GroupId.h"
#include "tournament/Tournament.h"

// Rows of places 1 to 4 inside a group frame, as the panel lays them out.
constexpr std::array<int, 4> placeRows{690, 945, 1380, 1635};

// The group's table as the panel shows it: the slot whose team-name cell
// stands at the row of place 1, then place 2, ... (0 where no cell does).
inline QList<int> slotsByPlace(const Tournament &t, GroupId g)
{
    QList<int> order;
    for (int row : placeRows) {
        int found = 0;
        for (int slot = 1; slot <= 4; ++slot)
            if ((*t.group(g).team)[slot].row == row)
                found = slot;
        order << found;
    }
    return order;
}

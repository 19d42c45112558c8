#include "tournament/TeamList.h"

#include "tournament/GroupFixtures.h"
#include "tournament/Tournament.h"

void ChargeInfo(const Tournament &t, TeamList &list)
{
    for (int slot = 1; slot <= 4; ++slot) {
        for (GroupId g : allGroups) {
            const CellFamily &team = *t.group(g).team;
            for (int place = 1; place <= 4; ++place)
                if (team[slot].row == PlaceRows[std::size_t(place - 1)])
                    list[std::size_t(4 * groupIndex(g) + place)] = team.text(slot);
        }
    }
}

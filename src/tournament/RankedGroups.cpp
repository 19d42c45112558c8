#include "tournament/RankedGroups.h"

#include "tournament/Tournament.h"

RankedGroups::RankedGroups(int groups)
    : m_groups(std::size_t(groups))
    , m_rankedAt(std::size_t(groups))
{}

const FormatGroup &RankedGroups::group(const Tournament &t, GroupId g)
{
    const std::size_t i = std::size_t(groupIndex(g));
    const GroupCells &cells = t.group(g);
    const Revisions now{cells.score->revision(), cells.team->revision(), cells.conduct->revision()};
    if (m_rankedAt[i] != now) {
        m_groups[i] = formatGroup(t, g);
        m_rankedAt[i] = now;
    }
    return m_groups[i];
}

const std::vector<FormatGroup> &RankedGroups::all(const Tournament &t)
{
    for (GroupId g : t.groupIds())
        group(t, g);
    return m_groups;
}

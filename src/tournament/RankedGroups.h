#pragma once

#include "tournament/FormatStage.h"
#include "tournament/GroupId.h"

#include <array>
#include <optional>
#include <vector>

class Tournament;

// The groups of a chart of the formats that rank by their rules, as last
// ranked, each kept with the revisions of the cells it was ranked from
// (scores, marks, conduct). A keystroke ranks its own group again; the
// thirds and the bracket read the others as they were.
class RankedGroups final
{
public:
    explicit RankedGroups(int groups = 0);

    const FormatGroup &group(const Tournament &t, GroupId g);
    // Every group of the chart, in group order.
    const std::vector<FormatGroup> &all(const Tournament &t);

private:
    using Revisions = std::array<quint64, 3>;

    std::vector<FormatGroup> m_groups;
    std::vector<std::optional<Revisions>> m_rankedAt; // none: never ranked
};

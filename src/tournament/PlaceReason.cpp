#include "tournament/PlaceReason.h"

#include "tournament/GroupStage.h"
#include "tournament/Tournament.h"

#include <algorithm>

QString criterionName(PlaceCriterion criterion)
{
    switch (criterion) {
    case PlaceCriterion::Points:
        return QStringLiteral("points");
    case PlaceCriterion::GoalDifference:
        return QStringLiteral("goalDifference");
    case PlaceCriterion::GoalsFor:
        return QStringLiteral("goalsFor");
    case PlaceCriterion::DrawOfLots:
        return QStringLiteral("drawOfLots");
    case PlaceCriterion::Level:
        break;
    }
    return QStringLiteral("level");
}

std::array<int, 4> slotsByRow(const Tournament &t, GroupId g)
{
    const CellFamily &team = *t.group(g).team;
    std::array<int, 4> order{1, 2, 3, 4};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return team[a].row < team[b].row; });
    return order;
}

std::array<std::optional<PlaceCriterion>, 4> decidedBy(const GroupTable &table, const std::array<int, 4> &order)
{
    std::array<std::optional<PlaceCriterion>, 4> reasons;
    for (std::size_t place = 0; place + 1 < order.size(); ++place) {
        const StandingRow &upper = table.rows[std::size_t(order[place] - 1)];
        const StandingRow &lower = table.rows[std::size_t(order[place + 1] - 1)];
        // In the order of PlaceCriterion.
        const std::array<std::pair<double, double>, 4> criteria{{{upper.points, lower.points},
                                                                 {upper.difference, lower.difference},
                                                                 {upper.goalsFor, lower.goalsFor},
                                                                 {upper.drawMark, lower.drawMark}}};
        const auto differing = std::find_if(criteria.begin(), criteria.end(),
                                            [](const auto &pair) { return pair.first != pair.second; });
        // An upper row that is worse on the first differing criterion only
        // stands there because an empty chart lists its teams in slot order.
        reasons[place] = differing != criteria.end() && differing->first > differing->second
                             ? PlaceCriterion(differing - criteria.begin())
                             : PlaceCriterion::Level;
    }
    return reasons;
}

std::array<std::optional<PlaceCriterion>, 4> decidedBy(const Tournament &t, GroupId g)
{
    return decidedBy(groupTable(t, g), slotsByRow(t, g));
}

#pragma once

#include "tournament/GroupId.h"

#include <array>
#include <optional>

#include <QString>

class Tournament;
struct GroupTable;

// What keeps a team above the one listed below it: the first criterion of
// the table on which the two differ, or nothing at all, when they stand in
// slot order.
enum class PlaceCriterion { Points, GoalDifference, GoalsFor, DrawOfLots, Level };

// The name the report uses: "points", "goalDifference", ...
QString criterionName(PlaceCriterion criterion);

// The group's slots from the top row of its table to the bottom, as the
// team cells stand; this is the order the window and the report show.
std::array<int, 4> slotsByRow(const Tournament &t, GroupId g);

// For each place of `order` but the last, the criterion against the next
// place; the last place has none.
std::array<std::optional<PlaceCriterion>, 4> decidedBy(const GroupTable &table, const std::array<int, 4> &order);

// The same for the group as it is shown.
std::array<std::optional<PlaceCriterion>, 4> decidedBy(const Tournament &t, GroupId g);

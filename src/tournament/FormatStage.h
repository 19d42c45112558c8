#pragma once

#include "tournament/GroupId.h"
#include "tournament/TeamRanking.h"

#include <array>
#include <optional>
#include <vector>

class Tournament;

// The group stage of the formats that rank by their rules' criteria (every
// format but the 32-team World Cup, which keeps the 2010 chart's rules).
// A group's cells follow its own scores; the thirds' ranking, the first
// knock-out round and the bracket follow every group.

struct FormatGroup
{
    std::array<TeamFigures, 4> figures; // by slot 1..4 at index 0..3
    RankedTeams ranked;                 // order holds slot - 1
    bool complete = false;

    int slotAt(int place) const { return ranked.order[std::size_t(place - 1)] + 1; }
    // A place the chart can name: the group is complete and its team is
    // level with neither neighbour.
    bool placeKnown(int place) const { return complete && ranked.placeDecided(std::size_t(place - 1)); }
};

FormatGroup formatGroup(const Tournament &t, GroupId g);

struct ThirdsStanding
{
    std::vector<GroupId> groups;  // the group of each third, as ranked
    std::vector<int> slotInGroup; // its slot in its group
    std::vector<TeamFigures> figures;
    RankedTeams ranked; // order indexes groups, slotInGroup and figures
    int through = 0;
    bool known = false; // every group complete and its third known
    // Known, and no two thirds level across the qualifying line.
    bool decided() const { return known && !ranked.levelWithNext(std::size_t(through - 1)); }
    // The groups whose thirds go through, one bit each; 0 while undecided.
    quint16 qualifying() const;
};

// Every group of the chart, in group order.
std::vector<FormatGroup> formatGroups(const Tournament &t);
ThirdsStanding thirdsStanding(const Tournament &t, const std::vector<FormatGroup> &groups);

// The group whose third meets the winner named by `opponent` in the first
// round, by the official table; none until the thirds through are decided.
std::optional<GroupId> thirdFilling(const Tournament &t, const ThirdsStanding &thirds, const BracketSlot &opponent);
// A click on the third of group g while thirds stand level across the
// qualifying line: it goes ahead of those level with it, as a drawing of
// lots would put it.
void DrawThirdsLots(Tournament &t, GroupId g);

// The group's table cells, places and tie notice.
void computeFormatGroup(Tournament &t, GroupId g);
// The thirds' colours, the first knock-out round and the whole bracket.
void refreshFormatKnockout(Tournament &t);

#pragma once

#include "tournament/GroupId.h"

#include <array>
#include <optional>

#include <QString>

class Tournament;

// One team slot's line of its group table, computed afresh on every run.
struct StandingRow
{
    std::optional<int> played; // no value until a match of the slot counts
    int points = 0;
    double goalsFor = 0;
    double goalsAgainst = 0;
    double difference = 0;
    double drawMark = 0;
    double rankKey = 0; // RankKey: the single value the statistics window ranks by
};

struct GroupTable
{
    std::array<StandingRow, 4> rows; // by slot 1..4 at index 0..3
    std::array<int, 4> slotAtPlace;  // slot of places 1..4
    bool complete = false;
    bool tie = false; // a complete group with two slots equal on every criterion
};

// Pure: the table that the group's twelve score cells and draw marks give.
GroupTable groupTable(const Tournament &t, GroupId g);

void RefreshMatchLabels(Tournament &t);
void ComputeGroupStandings(Tournament &t, GroupId g);
// The 2010 chart's group table cells, places and tie notice, without the
// seeding of the round of 16 that ComputeGroupStandings runs after them: a
// full refresh seeds once, after every group.
void writeGroupStandings(Tournament &t, GroupId g);
// A new language: the tie notices shown take its wording at once rather
// than at the next recomputation.
void RefreshTieNotices(Tournament &t);

// "-" typed beside other characters means the user overwrote the unplayed
// mark: drop every "-" unless the text is exactly "-".
QString cleanedScoreText(const QString &text);

// A click on a team name: marks the slot when its group shows the tie
// notice, then recomputes the group in any case.
void DrawLots(Tournament &t, GroupId g, int slot);

// An empty chart lists every group in slot order rather than the 4, 3, 2, 1
// order that equal keys give.
void ResetTeamRows(Tournament &t);

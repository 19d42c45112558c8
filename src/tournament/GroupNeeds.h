#pragma once

#include "tournament/GroupId.h"

#include <array>
#include <optional>

#include <QString>

class Tournament;

enum class NeedStatus { Qualified, Eliminated, Open };

// What one result of a team's next match makes of it.
enum class ResultVerdict { Through, Out, Depends };

// Where a team of an unfinished group stands, from points alone: each
// remaining match may end in a home win, a draw or an away win, and a tie
// on points may go either way, since the goals are not known yet.
struct TeamNeeds
{
    // Qualified: in the top two in every outcome even losing every tie on
    // points. Eliminated: outside it in every outcome even winning them.
    NeedStatus status = NeedStatus::Open;
    // For an open team with a match left: the verdict of a win, a draw and
    // a loss in its next remaining match (in fixture order).
    std::optional<std::array<ResultVerdict, 3>> nextMatch;
    // For each of those that depends: true when no result of the other
    // matches settles it either way, so that only goals can.
    std::array<bool, 3> onlyGoalsDecide{};
    // The group's remaining matches besides that next one (all of them
    // when the team has none left).
    int otherMatchesLeft = 0;
};

// By slot 1..4 at index 0..3; no value for a complete group, whose table
// already says everything.
std::optional<std::array<TeamNeeds, 4>> needs(const Tournament &t, GroupId g);

// The names the report uses: "qualified", "eliminated", "open"; "through",
// "out", "depends".
QString statusName(NeedStatus status);
QString verdictName(ResultVerdict verdict);

#pragma once

#include <QString>

#include "schedule/RoundCode.h"

// The publisher's free text about one match. Its last 14 characters are the
// date-time block "dd/mm" + 4 characters + "hh:mm"; before the block stand
// the venue (up to a "(") and the broadcaster.
using MatchNote = QString;

// One match of the schedule: its two team labels are firstLabel and
// firstLabel + 1 of the round's label family.
struct ScheduleEntry
{
    RoundCode roundCode;
    int firstLabel;
    MatchNote note;
};

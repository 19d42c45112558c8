#pragma once

#include <optional>

#include <QDateTime>
#include <QTimeZone>

#include "schedule/ScheduleEntry.h"

// The publisher writes kick-offs on South Africa's clock (UTC+2 all year),
// in the note's date-time block "dd/mm/yy hh:mm".
QTimeZone tournamentZone();

// The kick-off of a note written on `clock` as a moment, or none when its
// block holds no valid date and time. A block without the year is in 2010.
std::optional<QDateTime> kickOffOf(const MatchNote &note, const QTimeZone &clock = tournamentZone());

// The note written on `clock` with its date-time block on the clock of
// `zone`, in the same layout, so that the calendar's day and the
// information panel read the user's day and hour; a note without a valid
// block stays as it is.
MatchNote noteInZone(const MatchNote &note, const QTimeZone &zone, const QTimeZone &clock = tournamentZone());

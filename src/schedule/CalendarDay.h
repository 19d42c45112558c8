#pragma once

#include <array>
#include <optional>

#include <QStringList>

#include "schedule/ScheduleIndex.h"

class Tournament;

// What the calendar shows for one date: the day list and the four rows.
struct CalendarDay
{
    struct Row
    {
        QString text;
        std::optional<int> logo; // broadcaster logo index
        bool centred = false;
    };

    // "hh:mm team1 Vs team2" followed by the logo digit, or by "-" for no
    // logo, in text order.
    QStringList lines;
    std::array<Row, 4> rows;
};

// The matches whose date block starts with dateKey ("dd/mm"). Team names
// are the labels' texts at this moment, as the language shows them; the "no match" rows read message
// table entries 7 and 8. Up to four matches fill rows, kept low in the box
// (one match sits in the third row); five or more fill none.
CalendarDay calendarDay(const Tournament &t, const ScheduleIndex &index, const QString &dateKey);

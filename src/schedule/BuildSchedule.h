#pragma once

#include <QString>

#include <QTimeZone>

#include "schedule/KickOffTime.h"
#include "schedule/ScheduleIndex.h"

class IniDocument;
class Tournament;

// Reads the match notes of the chart file chartName (section "Match"), one
// a match of the chart's format, and hangs each one on its match's team
// labels as their tooltip, the 2010 round of 16 also on its summary cells,
// each with its kick-off moved from the chart's clock ("fuseau" in section
// "Tournoi", else the 2010 publisher's) to the clock of `zone`. Returns the
// new schedule, which is empty for a chart of another format than the
// 32-team World Cup without notes; the calendar rows are left for the next
// date change to refresh.
ScheduleIndex BuildSchedule(Tournament &t, const QString &chartName, const QTimeZone &zone = tournamentZone());
// The same from the chart file at `path`, in any folder.
ScheduleIndex BuildScheduleFromFile(Tournament &t, const QString &path, const QTimeZone &zone = tournamentZone());
// The same from a chart already read.
ScheduleIndex BuildScheduleFromDocument(Tournament &t, const IniDocument &file,
                                        const QTimeZone &zone = tournamentZone());

#pragma once

#include <QString>

#include <QTimeZone>

#include "schedule/KickOffTime.h"
#include "schedule/ScheduleIndex.h"

class IniDocument;
class Tournament;

// Reads the 64 match notes of the chart file chartName (section "Match")
// and hangs each one on its match's team labels as their tooltip, the round
// of 16 also on its summary cells, each with its kick-off on the clock of
// `zone`. Returns the new schedule; the calendar rows are left for the next
// date change to refresh.
ScheduleIndex BuildSchedule(Tournament &t, const QString &chartName, const QTimeZone &zone = tournamentZone());
// The same from the chart file at `path`, in any folder.
ScheduleIndex BuildScheduleFromFile(Tournament &t, const QString &path, const QTimeZone &zone = tournamentZone());
// The same from a chart already read.
ScheduleIndex BuildScheduleFromDocument(Tournament &t, const IniDocument &file,
                                        const QTimeZone &zone = tournamentZone());

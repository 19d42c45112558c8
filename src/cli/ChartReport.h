#pragma once

#include <QString>

class QTextStream;
class QTimeZone;

// "vylora --report FILE [--json]": loads the chart file FILE exactly as the
// window loads a whole chart (LoadChart, ready flag, RefreshAll) and prints
// its group tables, bracket, podium and goal total, as one JSON object or as
// readable tables, with every match's kick-off on the clock of `zone` and
// the team names of languageFile (none when empty). The
// file may lie in any folder; its stem names the chart. Returns the exit
// status: 0, or 1 when FILE cannot be read (told on err).
int runChartReport(const QString &file, bool json, const QTimeZone &zone, const QString &languageFile,
                   QTextStream &out, QTextStream &err);

#pragma once

#include <QString>

#include "storage/ChartHooks.h"

class Tournament;
struct FormatRules;

// What a chart file given on the command line holds: the format to build
// its chart in, or why it cannot be read as a chart (its name, its bytes,
// a format the program does not know, or a part missing or foreign to it).
struct ChartFileCheck
{
    QString problem;
    const FormatRules *rules = nullptr;
};
ChartFileCheck checkChartFile(const QString &file);

// Loads the chart file `file` exactly as the window loads a whole chart
// (LoadChart, ready flag, RefreshAll) into `t`, which must be of the file's
// format. The file may lie in any folder; its stem names the chart. Returns
// an empty text, or why the file cannot be read as a chart (then `t` is
// untouched).
QString loadChartFile(const QString &file, Tournament &t, const ChartHooks &hooks = {});
